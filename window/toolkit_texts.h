#pragma once

#include <QTranslator>

namespace velkiro {

// The toolkit's own texts that the window can show, such as the input's
// context menu, in Italian whatever translations the system has installed.
class ToolkitTexts final : public QTranslator {
    Q_OBJECT

public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

}  // namespace velkiro
