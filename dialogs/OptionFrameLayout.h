// The two labelled lists that both option frames show.
#pragma once

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>

// Names the frame and its lists "ComboBox1" and "ComboBox2", and lays the lists out under their
// labels.
inline void layOutOptionFrame(QFrame* frame, const char* name, QComboBox* connectionList,
                              QComboBox* floatList) {
    frame->setObjectName(name);
    connectionList->setObjectName("ComboBox1");
    floatList->setObjectName("ComboBox2");
    auto* form = new QFormLayout(frame);
    form->addRow("Anschluss:", connectionList);
    form->addRow("Schwimmer:", floatList);
}
