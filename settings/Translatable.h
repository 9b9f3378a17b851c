#pragma once
// The texts for people that settings/ holds are Japanese, the system's own. BMK_TR marks one for
// Qt's lupdate, which reads it as QT_TRANSLATE_NOOP(context, text); it is the text itself, so
// settings/ stays free of Qt and its tables constexpr. Whoever shows a marked text translates it
// under the context it was marked with, one of these.
#define BMK_TR(context, text) text

namespace settings::context {

inline constexpr char kPanelWords[] = "PanelWords";    // PanelWords.h: values and switch captions
inline constexpr char kFieldLabels[] = "FieldLabels";  // ImageLayout.h: the fields' labels
inline constexpr char kDataCheck[] = "DataCheck";      // Normalised.h: the range message

}  // namespace settings::context
