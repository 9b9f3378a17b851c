#pragma once
// Settings images and files made for tests: the factory image with bytes replaced, and a set of
// images that reach every page's edge cases when loaded.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsImage.h"

namespace testing_support {

// The factory image with the bytes at each offset replaced.
settings::SettingsImage With(std::initializer_list<std::pair<std::size_t, std::string>> changes);

// The image's bytes at offset, as text.
std::string FieldText(const settings::SettingsImage& image, std::size_t offset, std::size_t width = 1);

// The load edge cases of every page, unknown codes, out-of-range values and odd format blocks.
std::vector<settings::SettingsImage> CraftedImages();

// The whole settings file of an image: the model's header, then the image.
QByteArray SettingsFileBytes(const settings::SettingsImage& image);
// Writes those bytes at path; false unless they were written whole.
bool WriteSettingsBytes(const QString& path, const settings::SettingsImage& image);

}  // namespace testing_support
