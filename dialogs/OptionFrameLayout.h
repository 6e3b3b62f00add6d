// What both option frames share: their two labelled lists and filling a list from a model's.
#pragma once

#include "config/Language.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>

#include <string>
#include <vector>

// Names the frame and its lists "ComboBox1" and "ComboBox2", and lays the lists out under their
// labels (the dialog's texts exist in German only).
inline void layOutOptionFrame(QFrame* frame, const char* name, QComboBox* connectionList,
                              QComboBox* floatList) {
    frame->setObjectName(name);
    connectionList->setObjectName("ComboBox1");
    floatList->setObjectName("ComboBox2");
    auto* form = new QFormLayout(frame);
    const CaptionSet& texts = germanCaptions();
    form->addRow(QString::fromStdString(std::string(texts.textOf("optionsConnection"))),
                 connectionList);
    form->addRow(QString::fromStdString(std::string(texts.textOf("optionsFloat"))), floatList);
}

inline void fillList(QComboBox* list, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
}
