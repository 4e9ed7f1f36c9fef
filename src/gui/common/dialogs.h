#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace kst {

// What an open-file dialog is asked to show, and what the user picked.
struct OpenFileRequest {
    QString title;
    QStringList filters;     // the texts shown, in order
    QStringList patterns;    // the patterns of each filter, ";"-separated ("*.gba;*.zip")
    int filterIndex = 0;     // the filter selected at first
    bool multiSelect = false;
    QString defaultSuffix;
    QString selectedFile;    // shown picked at first, when not empty
};

struct OpenFileAnswer {
    QStringList files;       // in the order the dialog lists them
};

inline constexpr int InputBoxMaxLength = 255;

// Every dialog of the program goes through this interface, so that tests can
// answer them from a script and no test ever blocks on a modal window.
class Dialogs {
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;
    using Icon = QMessageBox::Icon;

    virtual ~Dialogs() = default;

    // Plain message box, caption "Kestrom", OK only.
    virtual void message(const QString& text) = 0;
    // Error dialog, caption "Error", error icon, OK only.
    virtual void error(const QString& text) = 0;
    // Information dialog, caption "Information", OK only.
    virtual void information(const QString& text) = 0;
    // Warning dialog, caption "Warnings", OK only.
    virtual void warning(const QString& text) = 0;
    // A question with the given buttons, icon and default button; returns the button pressed.
    virtual Button question(const QString& caption, const QString& text, Buttons buttons, Icon icon,
                            Button defaultButton) = 0;
    // Input box with OK and Cancel, taking at most maxLength characters; nullopt on Cancel.
    virtual std::optional<QString> input(const QString& caption, const QString& prompt, const QString& initial,
                                         int maxLength = InputBoxMaxLength) = 0;
    // Open-file dialog; nullopt on Cancel.
    virtual std::optional<OpenFileAnswer> openFile(const OpenFileRequest& request) = 0;
    // Folder dialog: an existing folder, or nullopt on Cancel.
    virtual std::optional<QString> openFolder(const QString& title) = 0;
};

// The dialogs of this process: Qt's unless a test installed others.
Dialogs& dialogs();
// Installs dialogs and returns the ones they replace (nullptr for the built-in ones).
std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> replacement);

// Shows dialogs with QMessageBox, QInputDialog and QFileDialog.
class QtDialogs : public Dialogs {
public:
    void message(const QString& text) override;
    void error(const QString& text) override;
    void information(const QString& text) override;
    void warning(const QString& text) override;
    Button question(const QString& caption, const QString& text, Buttons buttons, Icon icon,
                    Button defaultButton) override;
    std::optional<QString> input(const QString& caption, const QString& prompt, const QString& initial,
                                 int maxLength = InputBoxMaxLength) override;
    std::optional<OpenFileAnswer> openFile(const OpenFileRequest& request) override;
    std::optional<QString> openFolder(const QString& title) override;
};

}  // namespace kst
