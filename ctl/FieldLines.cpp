#include "ctl/FieldLines.h"

#include <algorithm>

#include "ctl/FieldText.h"
#include "settings/FactoryImage.h"

namespace ctl {

namespace {

using settings::Field;
using settings::SettingsImage;

constexpr int kKeyWidth = 26;  // the longest key, "headCentring.frontTractor", and a blank
constexpr int kHexWidth = 8;   // three bytes; only the five padding bytes run over
constexpr int kCharsWidth = 5;
const QString kArrow = QStringLiteral("  →  ");

QString Key(const QString& key, std::size_t offset) {
    return key.leftJustified(kKeyWidth) + QStringLiteral("%1").arg(offset, 3) + QStringLiteral("  ");
}

// Switch lines have no offset of their own; their value starts where a field's bytes do.
QString SwitchKey(const QString& name) {
    return name.leftJustified(kKeyWidth) + QString(5, QLatin1Char(' '));
}

QString Label(const QString& label) {
    return label.isEmpty() ? QString() : QStringLiteral("  (") + label + QLatin1Char(')');
}

QString Cell(const SettingsImage& image, const Field& f) {
    return HexBytes(image, f) + QLatin1Char(' ') + CharBytes(image.data() + f.offset, f.width) +
           QLatin1Char(' ') + TextOf(image, f).words;
}

QString SeparatorCell(const SettingsImage& image, std::size_t offset) {
    return HexBytes(image.data() + offset, 1) + QLatin1Char(' ') + CharBytes(image.data() + offset, 1);
}

int MswOf(const Field& f) {
    const auto& fields = settings::kMemorySwitchFields;
    const auto at =
        std::find_if(fields.begin(), fields.end(), [&](const Field& m) { return m.offset == f.offset; });
    return at == fields.end() ? -1 : static_cast<int>(at - fields.begin());
}

}  // namespace

QStringList FieldLines(const SettingsImage& image, const Field& f) {
    const QString label = Utf8(f.label);
    QStringList lines{Key(Utf8(f.key), f.offset) + HexBytes(image, f).leftJustified(kHexWidth) +
                      QStringLiteral("  ") +
                      CharBytes(image.data() + f.offset, f.width).leftJustified(kCharsWidth) +
                      QStringLiteral("  ") + TextOf(image, f).words + Label(label)};
    if (const int msw = MswOf(f); msw >= 0) {
        for (const SwitchText& s : SwitchesOf(image, msw)) {
            lines << SwitchKey(s.name) + QString(kHexWidth + kCharsWidth + 4, QLatin1Char(' ')) + s.words +
                         Label(s.label);
        }
    }
    return lines;
}

QStringList SeparatorLines(const SettingsImage& image, std::size_t offset) {
    const std::uint8_t factory = settings::FactoryImage()[offset];
    if (image[offset] == factory)
        return {};
    return {Key(QStringLiteral("separator"), offset) +
            HexBytes(image.data() + offset, 1).leftJustified(kHexWidth) + QStringLiteral("  ") +
            CharBytes(image.data() + offset, 1).leftJustified(kCharsWidth) +
            QStringLiteral("  not the factory ") + HexBytes(&factory, 1)};
}

std::vector<const Field*> ChangedFields(const SettingsImage& before, const SettingsImage& after) {
    std::vector<const Field*> changed;
    for (const Field& f : settings::kFields) {
        if (!std::equal(before.data() + f.offset, before.data() + f.end(), after.data() + f.offset))
            changed.push_back(&f);
    }
    return changed;
}

QStringList ChangeLines(const SettingsImage& before, const SettingsImage& after) {
    QStringList lines;
    for (const Field* f : ChangedFields(before, after)) {
        const QString label = Utf8(f->label);
        lines << Key(Utf8(f->key), f->offset) + Cell(before, *f) + kArrow + Cell(after, *f) + Label(label);
        if (const int msw = MswOf(*f); msw >= 0) {
            const std::vector<SwitchText> old = SwitchesOf(before, msw);
            const std::vector<SwitchText> now = SwitchesOf(after, msw);
            for (std::size_t i = 0; i < old.size(); ++i) {
                if (old[i].words != now[i].words)
                    lines << SwitchKey(old[i].name) + old[i].words + kArrow + now[i].words +
                                 Label(old[i].label);
            }
        }
    }
    for (const std::size_t offset : SeparatorOffsets()) {
        if (before[offset] != after[offset])
            lines << Key(QStringLiteral("separator"), offset) + SeparatorCell(before, offset) + kArrow +
                         SeparatorCell(after, offset);
    }
    return lines;
}

}  // namespace ctl
