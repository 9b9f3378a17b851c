#pragma once
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "framework/WinDefs.h"

// What the icon menu knows of one of its items; the item's owner-draw data points here.
class MenuItemRecord {
public:
    QString text;         // label, possibly with a tab and the accelerator text
    int imageIndex = -1;  // -1: no image
    int imageId = -1;     // bitmap resource of the image, -1: none
    UINT flags = 0;       // the menu flags the item was made with
    uintptr_t id = 0;     // command id, or the drop-down's handle for a popup item
    bool seen = false;    // scratch flag of the synchronisation walk
    // One-image list: the image in cell size, transparent where the button face was.
    std::unique_ptr<QImage> imageList;

    bool IsSeparator() const { return flags & MF_SEPARATOR; }
    bool IsPopup() const { return flags & MF_POPUP; }
    bool HasImage() const { return imageList && imageIndex >= 0; }

    // The part before the first tab, or the whole label.
    QString LabelPart() const;
    // The part after the last tab; empty without a tab.
    QString AcceleratorPart() const;
    bool HasAccelerator() const { return text.contains(u'\t'); }
};
