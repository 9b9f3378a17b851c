#pragma once
// Static per-class tables from (notification code, control id or id range) to member functions,
// looked up most-derived class first, as the framework the program was designed on did.
#include <functional>
#include <vector>

#include "framework/WinDefs.h"

class QWidget;
class CWnd;

enum class MsgKind { Command, Notify, HScroll };

struct MsgArgs {
    int id = 0;
    int code = 0;
    NMHDR* nmhdr = nullptr;
    LRESULT* result = nullptr;
    int pos = 0;
    QWidget* control = nullptr;
};

struct MsgMapEntry {
    MsgKind kind;
    int code;
    int idFirst;
    int idLast;
    std::function<void(CWnd&, MsgArgs&)> call;
};

struct MessageMap {
    const MessageMap* base;
    std::vector<MsgMapEntry> entries;
};

template <class T>
MsgMapEntry MapCommand(int code, int id, void (T::*fn)()) {
    return {MsgKind::Command, code, id, id, [fn](CWnd& w, MsgArgs&) { (static_cast<T&>(w).*fn)(); }};
}
template <class T>
MsgMapEntry MapCommandRange(int code, int first, int last, void (T::*fn)(UINT)) {
    return {MsgKind::Command, code, first, last,
            [fn](CWnd& w, MsgArgs& a) { (static_cast<T&>(w).*fn)(static_cast<UINT>(a.id)); }};
}
template <class T>
MsgMapEntry MapNotify(int code, int id, void (T::*fn)(NMHDR*, LRESULT*)) {
    return {MsgKind::Notify, code, id, id,
            [fn](CWnd& w, MsgArgs& a) { (static_cast<T&>(w).*fn)(a.nmhdr, a.result); }};
}
template <class T>
MsgMapEntry MapNotifyRange(int code, int first, int last, void (T::*fn)(UINT, NMHDR*, LRESULT*)) {
    return {MsgKind::Notify, code, first, last, [fn](CWnd& w, MsgArgs& a) {
                (static_cast<T&>(w).*fn)(static_cast<UINT>(a.id), a.nmhdr, a.result);
            }};
}
template <class T>
MsgMapEntry MapHScroll(void (T::*fn)(UINT, UINT, QWidget*)) {
    return {MsgKind::HScroll, 0, 0, 0, [fn](CWnd& w, MsgArgs& a) {
                (static_cast<T&>(w).*fn)(static_cast<UINT>(a.code), static_cast<UINT>(a.pos), a.control);
            }};
}

#define DECLARE_MESSAGE_MAP()                          \
public:                                                \
    static const MessageMap* GetThisMessageMap();      \
    const MessageMap* GetMessageMap() const override { \
        return GetThisMessageMap();                    \
    }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
    const MessageMap* theClass::GetThisMessageMap() { \
        using ThisClass = theClass;                   \
        static const MessageMap map {                 \
            baseClass::GetThisMessageMap(), {
#define END_MESSAGE_MAP() \
    }                     \
    }                     \
    ;                     \
    return &map;          \
    }

#define ON_COMMAND(id, fn) MapCommand<ThisClass>(0, id, &ThisClass::fn),
#define ON_COMMAND_RANGE(first, last, fn) MapCommandRange<ThisClass>(0, first, last, &ThisClass::fn),
#define ON_CONTROL(code, id, fn) MapCommand<ThisClass>(code, id, &ThisClass::fn),
#define ON_CONTROL_RANGE(code, first, last, fn) MapCommandRange<ThisClass>(code, first, last, &ThisClass::fn),
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_NOTIFY(code, id, fn) MapNotify<ThisClass>(code, id, &ThisClass::fn),
#define ON_NOTIFY_RANGE(code, first, last, fn) MapNotifyRange<ThisClass>(code, first, last, &ThisClass::fn),
#define ON_WM_HSCROLL() MapHScroll<ThisClass>(&ThisClass::OnHScroll),
