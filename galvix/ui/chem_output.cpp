#include "chem_output.h"

#include "core/chem_unicode.h"
#include "platform/chem_text.h"

#include <QListWidget>

namespace galvix::ui {

namespace {

// What a Chem code stands for, in HTML: subscript digits, superscript digits
// and signs, the delta sign and the standard-state mark.
struct ChemMark {
    unsigned char byte;
    const char* tag; // "sub", "sup" or nullptr for a plain character
    const char* text;
};

constexpr ChemMark kMarks[] = {
    {181, "sub", "0"},       {182, "sub", "1"},        {183, "sub", "2"},
    {184, "sub", "3"},       {185, "sub", "4"},        {186, "sub", "5"},
    {187, "sub", "6"},       {188, "sub", "7"},        {189, "sub", "8"},
    {190, "sub", "9"},       {149, "sup", "0"},        {140, "sup", "1"},
    {141, "sup", "2"},       {142, "sup", "3"},        {143, "sup", "4"},
    {144, "sup", "5"},       {145, "sup", "6"},        {146, "sup", "7"},
    {147, "sup", "8"},       {148, "sup", "9"},        {162, "sup", "+"},
    {163, "sup", "&minus;"}, {250, "sup", "&middot;"}, {211, nullptr, "&Delta;"},
    {248, nullptr, "&deg;"}};

const ChemMark* MarkFor(QChar c) {
    const std::string byte = platform::EncodeCp1252(QString(c));
    for (const ChemMark& mark : kMarks) {
        if (static_cast<unsigned char>(byte.front()) == mark.byte && c != QChar('?'))
            return &mark;
    }
    return nullptr;
}

} // namespace

QString ChemDisplay(std::string_view bytes) {
    return platform::DecodeCp1252(bytes);
}

QListWidgetItem* AddChemItem(QListWidget* list, const QString& shown, std::string_view bytes) {
    auto* item = new QListWidgetItem(shown, list);
    item->setData(Qt::UserRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return item;
}

std::string ItemBytes(const QListWidgetItem* item) {
    if (!item)
        return {};
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString ChemToHtml(const QString& decoded) {
    QString html = "<html><body><p>";
    const char* openTag = nullptr;
    auto close = [&] {
        if (openTag)
            html += QString("</%1>").arg(openTag);
        openTag = nullptr;
    };
    QString text = decoded;
    text.replace("\r\n", "\n");
    for (const QChar c : text) {
        const ChemMark* mark = MarkFor(c);
        const char* tag = mark ? mark->tag : nullptr;
        if (tag != openTag && !(tag && openTag && qstrcmp(tag, openTag) == 0)) {
            close();
            if (tag)
                html += QString("<%1>").arg(tag);
            openTag = tag;
        }
        if (mark)
            html += mark->text;
        else if (c == '\n')
            html += "<br>";
        else
            html += QString(c).toHtmlEscaped();
    }
    close();
    return html + "</p></body></html>";
}

QString ChemToPlainText(const QString& decoded) {
    return QString::fromStdString(ChemToUtf8(platform::EncodeCp1252(decoded)));
}

} // namespace galvix::ui
