#include "gui/PadFindingText.h"

#include "core/entry/EntryFields.h"

#include <QStringList>

#include <algorithm>

namespace tarvo::gui {

QString windowText(const PadDiagnostic& finding)
{
    QString text = QString::fromStdString(finding.message);
    if (finding.kind == PadDiagnostic::Kind::FillIn) {
        QStringList captions;
        for (const PadDiagnostic::Fill& fill : finding.fills) {
            const EntryField* field = entryField(fill.field);
            captions.append(QStringLiteral("「%1」").arg(QString::fromUtf8(field ? field->caption : fill.field)));
        }
        text += QStringLiteral("画面の%1を確かめて下さい。").arg(captions.join(QString()));
    }
    if (finding.kind == PadDiagnostic::Kind::Encoding)
        text += finding.value.empty()
            ? QStringLiteral("ファイルを UTF-8 で保存し直してから、もう一度ドロップして下さい。")
            : QStringLiteral("%1 で書かれたファイルかもしれません。UTF-8 で保存し直してから、"
                             "もう一度ドロップして下さい。")
                  .arg(QString::fromStdString(finding.value));
    return text;
}

QString transliterationQuestion(const std::vector<PadDiagnostic>& findings)
{
    const auto refusing = [](const PadDiagnostic& f) { return f.level == PadDiagnostic::Level::Error; };
    const auto replaceable
        = [](const PadDiagnostic& f) { return f.kind == PadDiagnostic::Kind::Unrepresentable && f.count > 0; };
    if (std::none_of(findings.begin(), findings.end(), refusing)
        || !std::all_of(
            findings.begin(), findings.end(), [&](const PadDiagnostic& f) { return !refusing(f) || replaceable(f); }))
        return {};
    QStringList replacements;
    for (const PadDiagnostic& finding : findings) {
        if (!refusing(finding))
            continue;
        const QString line
            = QStringLiteral("「%1」→「%2」")
                  .arg(QString::fromStdString(finding.value), QString::fromStdString(finding.replacement));
        if (!replacements.contains(line))
            replacements.append(line);
    }
    return QStringLiteral("Shift-JIS で表せない文字があります。次のように置き換えて取り込みますか？\n")
        + replacements.join(QLatin1Char('\n'));
}

} // namespace tarvo::gui
