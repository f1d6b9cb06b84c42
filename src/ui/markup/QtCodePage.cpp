#include "markup/QtCodePage.h"

#include <array>

#include "common/Windows1252.h"

namespace {

// One QChar per byte, built once from the core table.
const std::array<QChar, 256>& ByteTable()
{
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString s = QString::fromUtf8(Windows1252ToUtf8(std::string_view(&byte, 1)));
            t[b] = s.isEmpty() ? QChar(b) : s.at(0);
        }
        return t;
    }();
    return table;
}

}  // namespace

QString Windows1252ToQString(std::string_view bytes)
{
    const auto& table = ByteTable();
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* data = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        data[i] = table[static_cast<unsigned char>(bytes[i])];
    return out;
}

std::string QStringToWindows1252(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToWindows1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}
