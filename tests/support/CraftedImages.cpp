#include "tests/support/CraftedImages.h"

#include <QFile>

#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"

namespace testing_support {

using settings::SettingsImage;

SettingsImage With(std::initializer_list<std::pair<std::size_t, std::string>> changes) {
    SettingsImage image = settings::FactoryImage();
    for (const auto& [offset, bytes] : changes) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            image[offset + i] = static_cast<std::uint8_t>(bytes[i]);
    }
    return image;
}

std::vector<SettingsImage> CraftedImages() {
    return {
        settings::FactoryImage(),
        With({{4, "\x03\x00"}}),
        With({{4, "\x07\x0F"}, {7, "\xFF\xFF"}, {10, "\x01\x02"}, {13, "\x0F\x0F"}}),
        With({{4, "\x01\x00"}, {10, "\xF0\x0F"}}),
        With({{16, "7"}, {18, "4"}, {20, "3"}, {22, "2"}, {24, "1"}}),
        With({{26, "05"}, {29, "99"}, {32, "0:"}}),
        With({{26, "/0"}, {29, "\xFF\xFF"}, {32, "  "}}),
        With({{165, "10"}, {168, "9"}}),
        With({{165, "/:"}, {168, "1"}}),
        With({{165, "15"}, {168, "5"}, {173, "FB"}, {176, "03"}, {179, "FF"}, {182, "05"}}),
        With({{173, "07"}, {176, "0/"}, {179, "FG"}, {182, "X1"}}),
        With({{168, "9"}, {173, "07"}, {176, "0/"}, {179, "FA"}, {182, "F0"}}),
        With({{168, "0"}, {173, "0:"}, {176, "F3"}}),
        With({{58, "2"}, {60, "1"}, {62, "7"}, {70, "3"}}),
        With({{58, "9"}, {60, "5"}, {62, "2"}, {70, "4"}}),
        With({{35, "ab,xyz,1 0,999,000,-12"}, {72, "00,999,000,020,140,999,000,000"}}),
        With({{64, "\x12\x34"}, {67, "\xFF\x00"}, {170, "ab"}, {3, ";"}, {185, "\x01"}}),
    };
}

QByteArray SettingsFileBytes(const SettingsImage& image) {
    QByteArray bytes(settings::kModelString, static_cast<qsizetype>(settings::kHeaderSize - 2));
    bytes.append(2, '\0');
    bytes.append(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
    return bytes;
}

bool WriteSettingsBytes(const QString& path, const SettingsImage& image) {
    const QByteArray bytes = SettingsFileBytes(image);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

std::string FieldText(const settings::SettingsImage& image, std::size_t offset, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(image.data()) + offset, width);
}

}  // namespace testing_support
