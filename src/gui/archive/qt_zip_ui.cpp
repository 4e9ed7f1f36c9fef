#include "gui/archive/qt_zip_ui.h"

#include "archive/tzip.h"
#include "gui/archive/progress_form.h"
#include "gui/common/dialogs.h"
#include "gui/common/strings.h"

#include <QCoreApplication>

namespace kst {
namespace {

using Button = Dialogs::Button;

const Dialogs::Buttons YesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

// Every prompt of the component is the application's message box, captioned with its title.
Button ask(const QString& text, Dialogs::Buttons buttons, Dialogs::Icon icon, Button defaultButton)
{
    return dialogs().question(qtr(strings::ApplicationTitle), text, buttons, icon, defaultButton);
}

ZipUi::Answer answerOf(Button button)
{
    switch (button) {
    case QMessageBox::Yes: return ZipUi::Answer::Yes;
    case QMessageBox::No: return ZipUi::Answer::No;
    default: return ZipUi::Answer::Cancel;
    }
}

QString number(int value)
{
    return QString::number(value);
}

}  // namespace

QtZipUi::QtZipUi(TZip& component, QWidget* mainWindow) : component_(component), mainWindow_(mainWindow) {}

QtZipUi::~QtZipUi() = default;

void QtZipUi::createProgressWindow()
{
    form_ = std::make_unique<TProgressForm>(component_, mainWindow_.data());
}

void QtZipUi::destroyProgressWindow()
{
    form_.reset();
}

void QtZipUi::showProgressWindow()
{
    if (form_)
        form_->show();
}

void QtZipUi::hideProgressWindow()
{
    if (form_)
        form_->hide();
}

void QtZipUi::setProgressStatus(const std::string& text)
{
    if (form_)
        form_->setStatusText(toQt(text));
}

void QtZipUi::setProgressEnd(std::int64_t total)
{
    if (form_)
        form_->setBarEnd(total);
}

void QtZipUi::setProgressPosition(std::int64_t done)
{
    if (form_)
        form_->setBarPosition(done);
}

bool QtZipUi::insertDisk(int wantedDisk)
{
    return ask(qformat(texts::ZipInsertDisk, {number(wantedDisk)}), QMessageBox::Ok | QMessageBox::Cancel,
               QMessageBox::Information, QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtZipUi::lastDisk(int insertedDisk)
{
    return ask(qformat(texts::ZipLastDisk, {number(insertedDisk)}), QMessageBox::Ok | QMessageBox::Cancel,
               QMessageBox::Information, QMessageBox::Ok) == QMessageBox::Ok;
}

std::string QtZipUi::password(const std::string& file)
{
    std::optional<QString> typed =
        dialogs().input(qtr(strings::ApplicationTitle), qformat(texts::ZipPassword, {toQt(file)}), QString());
    return typed ? fromQt(*typed) : std::string();
}

ZipUi::Answer QtZipUi::crcError(const std::string& file)
{
    return answerOf(ask(qformat(texts::ZipCrcError, {toQt(file)}), YesNoCancel, QMessageBox::Question,
                        QMessageBox::No));
}

ZipUi::Answer QtZipUi::overwrite(const std::string& file, bool existingIsOlder)
{
    if (existingIsOlder)
        return answerOf(ask(qformat(texts::ZipOverwriteOlder, {toQt(file)}), YesNoCancel, QMessageBox::Information,
                            QMessageBox::Yes));
    return answerOf(ask(qformat(texts::ZipOverwriteNewer, {toQt(file)}), YesNoCancel, QMessageBox::Critical,
                        QMessageBox::No));
}

void QtZipUi::multiDiskNotice()
{
    ask(qtr(texts::ZipMultiDisk), QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok);
}

void QtZipUi::missingFolderNotice(const std::string& folder)
{
    ask(qformat(texts::ZipMissingFolder, {toQt(folder)}), QMessageBox::Ok, QMessageBox::Information,
        QMessageBox::Ok);
}

void QtZipUi::processEvents()
{
    QCoreApplication::processEvents();
}

}  // namespace kst
