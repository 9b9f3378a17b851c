#include "ui/MenuItemRecord.h"

QString MenuItemRecord::LabelPart() const {
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? text : text.left(tab);
}

QString MenuItemRecord::AcceleratorPart() const {
    const qsizetype tab = text.lastIndexOf(u'\t');
    return tab < 0 ? QString() : text.mid(tab + 1);
}
