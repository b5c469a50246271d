#include "toolkit_texts.h"

#include <QHash>

namespace velkiro {

QString ToolkitTexts::translate(const char* context, const char* sourceText,
                                const char* /*disambiguation*/, int /*n*/) const {
    static const QHash<QByteArray, QString> italian = {
        {"&Undo", QStringLiteral("&Annulla")},
        {"&Redo", QStringLiteral("&Ripeti")},
        {"Cu&t", QStringLiteral("&Taglia")},
        {"&Copy", QStringLiteral("&Copia")},
        {"&Paste", QStringLiteral("&Incolla")},
        {"Delete", QStringLiteral("Elimina")},
        {"Select All", QStringLiteral("Seleziona tutto")},
        {"Insert Unicode control character",
         QStringLiteral("Inserisci carattere di controllo Unicode")},
    };
    const QByteArrayView where(context);
    if (where != "QLineEdit" && where != "QUnicodeControlCharacterMenu") return {};
    return italian.value(QByteArray(sourceText));
}

}  // namespace velkiro
