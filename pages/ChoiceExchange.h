#pragma once
// Exchanges a drop-down list's choice as an index into the panel's words for it.
#include <QString>
#include <array>
#include <string_view>

#include "framework/CDataExchange.h"

// The list shows words[index]; an index outside the words leaves the list's selection as it is.
// Read back, text that equals none of the words gives -1.
template <std::size_t N>
void DDX_Choice(CDataExchange* pDX, int id, const std::array<std::string_view, N>& words, int& index,
                int maxBytes) {
    QString text;
    if (index >= 0 && index < static_cast<int>(N))
        text = QString::fromUtf8(words[static_cast<std::size_t>(index)]);
    DDX_CBString(pDX, id, text);
    DDV_MaxChars(pDX, text, maxBytes);
    if (!pDX->m_bSaveAndValidate)
        return;
    index = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (text == QString::fromUtf8(words[i])) {
            index = static_cast<int>(i);
            break;
        }
    }
}
