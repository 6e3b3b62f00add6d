// The six indicator types and their two families in one table: what the options dialog sets up
// for a type, how many flaps a display height takes, and which end closures the chamber has.
#pragma once

#include "scene/SceneState.h"

#include <array>
#include <cstdint>
#include <string_view>

enum class TypeFamily { Midi, Standard };

// The closures at the chamber's top end; the bottom end has turned fittings for the types with
// turned fittings at the top and a bolted cover set for all others.
enum class TopClosure { TurnedFitting, DishedCap, BoltedCover };

// The connection a type selection sets: the first entry of the MIDI frame's list, or a row of
// the connection catalogue.
enum class ConnectionChoice { FramesFirst, NoConnection, Generic };

struct IndicatorType {
    std::string_view code;
    TypeFamily family;
    TopClosure top;
    ConnectionChoice connection;
    std::int32_t flapAddend; // flapCount = displayHeight / 10, rounded, plus this
};

extern const std::array<IndicatorType, 6> indicatorTypes; // in the order of typeCodes

// The pipe, flange and bolt dimensions, the first flap and the float entry of a family.
struct FamilyDimensions {
    float pipeInnerRadius, pipeOuterRadius;
    float flangeOuterRadius, boltCircleRadius;
    float boltHoleRadiusA, boltHoleRadiusB;
    std::int32_t flapStartIndex;
    int floatEntry; // of the family's float list
};
const FamilyDimensions& dimensionsOf(TypeFamily family);

// The row of a type code; null for a code that is not in the table, which then counts as a
// type with a bolted top cover and 9 more flaps than tens of display height.
const IndicatorType* findIndicatorType(std::string_view code);

bool hasTurnedFittings(const SceneState& state);
bool hasDishedCap(const SceneState& state);
std::int32_t flapAddendOf(std::string_view code);
