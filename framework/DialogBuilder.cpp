#include "framework/DialogBuilder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "framework/CWnd.h"
#include "framework/ComboControl.h"
#include "framework/DialogUnits.h"
#include "framework/EditControl.h"
#include "framework/ListViewControl.h"
#include "framework/TabControl.h"
#include "framework/TrackbarControl.h"
#include "framework/UpDownControl.h"
#include "res/DialogTemplate.h"
#include "res/Images.h"

using res::ControlKind;

namespace {

bool TakesFocus(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const TabControl*>(w);
}

QWidget* CreateControl(const res::ControlTemplate& c, QWidget* container, CWnd& owner,
                       QButtonGroup*& radioGroup) {
    const QString text = QString::fromUtf8(c.text);
    const int id = c.id;
    auto command = [&owner, id](int code) { owner.OnCommand(id, code); };
    switch (c.kind) {
        case ControlKind::Static: {
            auto* label = new QLabel(text, container);
            label->setWordWrap(true);
            Qt::Alignment h = (c.style & res::kCentered) ? Qt::AlignHCenter
                              : (c.style & res::kRight)  ? Qt::AlignRight
                                                         : Qt::AlignLeft;
            label->setAlignment(h | Qt::AlignTop);
            return label;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(container);
            label->setPixmap(res::LoadIconResource(text.toInt()).pixmap(32, 32));
            return label;
        }
        case ControlKind::GroupBox: {
            auto* box = new QGroupBox(text, container);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            return box;
        }
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(text, container);
            button->setAutoDefault(false);
            button->setDefault(c.kind == ControlKind::DefPushButton);
            QObject::connect(button, &QPushButton::clicked, container, [command] { command(BN_CLICKED); });
            return button;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(text, container);
            if ((c.style & res::kGroup) || !radioGroup) {
                radioGroup = new QButtonGroup(container);
                radioGroup->setExclusive(true);
            }
            radioGroup->addButton(radio);
            QObject::connect(radio, &QRadioButton::clicked, container, [command] { command(BN_CLICKED); });
            return radio;
        }
        case ControlKind::CheckBox: {
            auto* check = new QCheckBox(text, container);
            QObject::connect(check, &QCheckBox::clicked, container, [command] { command(BN_CLICKED); });
            return check;
        }
        case ControlKind::Edit: {
            auto* edit = new EditControl(container, c.style & res::kNumber);
            edit->notify = command;
            return edit;
        }
        case ControlKind::ComboBox: {
            auto* combo = new ComboControl(container);
            for (const char* item : c.items)
                combo->addItem(QString::fromUtf8(item));
            combo->setCurrentIndex(-1);
            combo->notify = command;
            return combo;
        }
        case ControlKind::UpDown:
            return new UpDownControl(container);
        case ControlKind::Trackbar: {
            auto* slider = new TrackbarControl(container);
            slider->notify = [&owner, slider](int code) {
                owner.OnHScrollMessage(code, slider->GetPos(), slider);
            };
            return slider;
        }
        case ControlKind::ListView: {
            auto* list = new ListViewControl(container);
            list->notify = [&owner, id, list](int code) {
                NMHDR hdr{list, id, code};
                LRESULT result = 0;
                owner.OnNotify(id, &hdr, &result);
            };
            return list;
        }
        case ControlKind::TabControl: {
            auto* tabs = new TabControl(container);
            tabs->notify = [&owner, id, tabs](int code) {
                NMHDR hdr{tabs, id, code};
                LRESULT result = 0;
                owner.OnNotify(id, &hdr, &result);
            };
            return tabs;
        }
    }
    return nullptr;
}

// The template's rectangles were laid out for a narrower proportional Japanese font: a label or
// button text that would be cut off is set a little tighter, never below 85 %.
void FitTextToWidth(QWidget* w, int width) {
    if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w))
        return;
    if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
        return;
    for (int spacing = 98; spacing >= 85 && w->sizeHint().width() > width; spacing -= 2) {
        QFont font = w->font();
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        w->setFont(font);
    }
}

}  // namespace

void BuildDialogControls(const res::DialogTemplate& t, QWidget* container, const DialogUnits& units,
                         CWnd& owner) {
    QButtonGroup* radioGroup = nullptr;
    std::vector<QWidget*> created;
    for (const res::ControlTemplate& c : t.controls) {
        // Windows radio groups run until the next control that starts a group (statics do).
        if (c.kind != ControlKind::RadioButton &&
            ((c.style & res::kGroup) || c.kind == ControlKind::Static || c.kind == ControlKind::GroupBox)) {
            radioGroup = nullptr;
        }
        QWidget* w = CreateControl(c, container, owner, radioGroup);
        if (!w)
            continue;
        w->setProperty(fw::kCtrlIdProperty, c.id);
        QRect r = units.Map(c.x, c.y, c.cx, c.cy);
        if (c.kind == ControlKind::ComboBox)
            r.setHeight(std::min(r.height(), w->sizeHint().height()));
        w->setGeometry(r);
        if (c.kind == ControlKind::RadioButton || c.kind == ControlKind::CheckBox ||
            c.kind == ControlKind::Static)
            FitTextToWidth(w, r.width());
        if (c.style & res::kHidden)
            w->setVisible(false);
        if (c.style & res::kDisabled)
            w->setEnabled(false);
        if (c.kind == ControlKind::GroupBox)
            w->lower();
        if (auto* updown = qobject_cast<UpDownControl*>(w)) {
            // The up-down control binds to the control created just before it.
            if (!created.empty())
                updown->SetBuddy(qobject_cast<EditControl*>(created.back()));
        }
        if (TakesFocus(w))
            w->setFocusPolicy(Qt::StrongFocus);
        created.push_back(w);
    }
    // A label's mnemonic moves the focus to the next control that takes it.
    for (size_t i = 0; i < created.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(created[i]);
        if (!label || !label->text().contains(QLatin1Char('&')))
            continue;
        for (size_t j = i + 1; j < created.size(); ++j) {
            if (TakesFocus(created[j])) {
                label->setBuddy(created[j]);
                break;
            }
        }
    }
    // Tab order follows the template.
    QWidget* previous = nullptr;
    for (QWidget* w : created) {
        if (!TakesFocus(w))
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}
