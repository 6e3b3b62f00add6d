#include "scene/IndicatorTypes.h"

// code, family, top closure, connection after selection, flap addend
const std::array<IndicatorType, 6> indicatorTypes = {{
    {"R-410", TypeFamily::Midi, TopClosure::DishedCap, ConnectionChoice::FramesFirst, 9},
    {"R-520", TypeFamily::Standard, TopClosure::DishedCap, ConnectionChoice::NoConnection, 9},
    {"R-530", TypeFamily::Standard, TopClosure::BoltedCover, ConnectionChoice::NoConnection, 9},
    {"R-640", TypeFamily::Standard, TopClosure::DishedCap, ConnectionChoice::Generic, 9},
    {"R-650", TypeFamily::Standard, TopClosure::BoltedCover, ConnectionChoice::Generic, 9},
    {"R-760", TypeFamily::Midi, TopClosure::TurnedFitting, ConnectionChoice::FramesFirst, 5},
}};

const FamilyDimensions& dimensionsOf(TypeFamily family) {
    // pipe inner and outer radius, flange, bolt circle, bolt holes A and B, first flap, float
    static constexpr FamilyDimensions midi{14.85f, 16.85f, 35, 29, 3.5f, 3.0f, -2, 3};
    static constexpr FamilyDimensions standard{25, 26.5f, 45, 39, 3.5f, 3.0f, -4, 4};
    return family == TypeFamily::Midi ? midi : standard;
}

const IndicatorType* findIndicatorType(std::string_view code) {
    for (const IndicatorType& type : indicatorTypes)
        if (type.code == code) return &type;
    return nullptr;
}

namespace {
TopClosure topClosureOf(const SceneState& state) {
    const IndicatorType* type = findIndicatorType(state.typeCode);
    return type ? type->top : TopClosure::BoltedCover;
}
} // namespace

bool hasTurnedFittings(const SceneState& state) {
    return topClosureOf(state) == TopClosure::TurnedFitting;
}

bool hasDishedCap(const SceneState& state) {
    return topClosureOf(state) == TopClosure::DishedCap;
}

std::int32_t flapAddendOf(std::string_view code) {
    const IndicatorType* type = findIndicatorType(code);
    return type ? type->flapAddend : 9;
}
