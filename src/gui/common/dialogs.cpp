#include "gui/common/dialogs.h"

#include "gui/common/message_icon.h"
#include "gui/common/scrolling_text_box.h"
#include "gui/common/strings.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace kst {
namespace {

std::unique_ptr<Dialogs>& installed()
{
    static std::unique_ptr<Dialogs> current = std::make_unique<QtDialogs>();
    return current;
}

// Modal boxes belong to the active window, so that they stay above it even
// when it stays on top of other windows.
QWidget* owner()
{
    return QApplication::activeWindow();
}

// Qt takes a filter's patterns from its last parentheses, separated by
// blanks, and matches them case-sensitively here. So each filter gets its
// patterns appended in that form, letter case folded ("*.[gG][bB][aA]"), and
// the dialog hides them, showing the filter's text as given.
QString qtNameFilter(const QString& text, const QString& patterns)
{
    QStringList globs;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString glob;
        for (QChar c : pattern) {
            if (c.isLetter() && c.toLower() != c.toUpper())
                glob += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
            else
                glob += c;
        }
        globs << glob;
    }
    return text + QStringLiteral(" (") + globs.join(QLatin1Char(' ')) + QLatin1Char(')');
}

void showBox(QMessageBox::Icon icon, TextId caption, const QString& text)
{
    // A message box grows with its text, so a long log would push OK off the screen.
    if (tallerThanScreen(text, owner())) {
        showScrollingTextBox(icon, qtr(caption), text, owner());
        return;
    }
    QMessageBox box(icon, qtr(caption), text, QMessageBox::Ok, owner());
    box.setIconPixmap(messageIconPixmap(icon, box.devicePixelRatio()));
    box.exec();
}

}  // namespace

Dialogs& dialogs()
{
    return *installed();
}

std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> replacement)
{
    if (!replacement)
        replacement = std::make_unique<QtDialogs>();
    std::swap(installed(), replacement);
    return replacement;
}

void QtDialogs::message(const QString& text)
{
    showBox(QMessageBox::NoIcon, strings::ApplicationTitle, text);
}

void QtDialogs::error(const QString& text)
{
    showBox(QMessageBox::Critical, strings::ErrorCaption, text);
}

void QtDialogs::information(const QString& text)
{
    showBox(QMessageBox::Information, strings::InformationCaption, text);
}

void QtDialogs::warning(const QString& text)
{
    showBox(QMessageBox::Warning, strings::WarningCaption, text);
}

Dialogs::Button QtDialogs::question(const QString& caption, const QString& text, Buttons buttons, Icon icon,
                                    Button defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, owner());
    box.setIconPixmap(messageIconPixmap(icon, box.devicePixelRatio()));
    box.setDefaultButton(defaultButton);
    return static_cast<Button>(box.exec());
}

std::optional<QString> QtDialogs::input(const QString& caption, const QString& prompt, const QString& initial,
                                        int maxLength)
{
    QInputDialog box(owner());
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.setInputMode(QInputDialog::TextInput);
    if (auto* line = box.findChild<QLineEdit*>()) {
        line->setMaxLength(maxLength);
        line->selectAll();
    }
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

std::optional<OpenFileAnswer> QtDialogs::openFile(const OpenFileRequest& request)
{
    QFileDialog box(owner(), request.title);
    box.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    QStringList filters;
    for (qsizetype i = 0; i < request.filters.size(); ++i)
        filters << qtNameFilter(request.filters.at(i), request.patterns.value(i, QStringLiteral("*")));
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setOption(QFileDialog::HideNameFilterDetails);
    box.setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        box.selectNameFilter(filters.at(request.filterIndex));
    if (!request.defaultSuffix.isEmpty())
        box.setDefaultSuffix(request.defaultSuffix);
    if (!request.selectedFile.isEmpty())
        box.selectFile(request.selectedFile);
    box.setSizeGripEnabled(true);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return OpenFileAnswer{box.selectedFiles()};
}

std::optional<QString> QtDialogs::openFolder(const QString& title)
{
    QFileDialog box(owner(), title);
    box.setFileMode(QFileDialog::Directory);
    box.setOption(QFileDialog::ShowDirsOnly);
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setSizeGripEnabled(true);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return std::nullopt;
    return box.selectedFiles().first();
}

}  // namespace kst
