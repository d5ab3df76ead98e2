// A drop-down list of numbers showing a value it may not offer (a deck's, or a code's made on
// the command line): that value gets an entry of its own in numeric order, so the dialog shows
// it and keeps it.
#pragma once

#include <QComboBox>

inline void ChooseNumber(QComboBox* list, int value) {
    const QString text = QString::number(value);
    int at = list->findText(text);
    if (at < 0) {
        at = 0;
        while (at < list->count() && list->itemText(at).toInt() < value) ++at;
        list->insertItem(at, text);
    }
    list->setCurrentIndex(at);
}
