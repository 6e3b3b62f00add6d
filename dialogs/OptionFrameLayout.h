// The two labelled lists that both option frames show.
#pragma once

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>

inline void layOutOptionFrame(QFrame* frame, QComboBox* connectionList, QComboBox* floatList) {
    auto* form = new QFormLayout(frame);
    form->addRow("Anschluss:", connectionList);
    form->addRow("Schwimmer:", floatList);
}
