#include "settings/Normalised.h"

#include "settings/FactoryImage.h"

namespace settings {

namespace {

// Parameter setting 2 keeps two sets of values: what its lists show and what it decoded. The
// lists cannot show a text they do not hold, and when the intake time fails its range check the
// lists are not read back, so the decoded texts are written instead.
void NormaliseParam2(const SettingsImage& image, SettingsImage& out) {
    Param2Values shown;
    DecodeParam2(FactoryImage(), shown);
    Param2Values decoded = shown;
    DecodeParam2(image, decoded);
    shown.returnTime = decoded.returnTime;
    shown.intakeTime = decoded.intakeTime;
    for (std::size_t i = 0; i < shown.pitch.size(); ++i) {
        if (IsPitchListed(decoded.pitch[i]))
            shown.pitch[i] = decoded.pitch[i];
    }
    EncodeParam2(IntakeTimeAccepted(decoded.intakeTime) ? shown : decoded, out);
}

}  // namespace

SettingsImage Normalised(const SettingsImage& image) {
    SettingsImage out = image;
    for (int msw = 0; msw < 4; ++msw)
        EncodeSwitches(DecodeSwitches(image, msw), msw, out);

    ParamValues param;
    DecodeParam(FactoryImage(), param);
    DecodeParam(image, param);
    EncodeParam(param, out);

    NormaliseParam2(image, out);

    SelectValues select;
    DecodeSelect(FactoryImage(), select);
    DecodeSelect(image, select);
    EncodeSelect(select, out);
    return out;
}

std::vector<RangeRefusal> DataCheckRefusals(const SettingsImage& image) {
    std::vector<RangeRefusal> refusals;
    Param2Values values;
    DecodeParam2(image, values);
    if (!IntakeTimeAccepted(values.intakeTime))
        refusals.push_back({&field::IntakeTime, values.intakeTime, kIntakeTimeRange});
    return refusals;
}

std::string RangeMessage(Range range) {
    std::string message = kRangeMessage;
    message.replace(message.find("%1"), 2, std::to_string(range.min));
    message.replace(message.find("%2"), 2, std::to_string(range.max));
    return message;
}

}  // namespace settings
