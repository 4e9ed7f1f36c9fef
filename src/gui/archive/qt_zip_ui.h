#pragma once

#include "archive/zip_ui.h"

#include <QPointer>

#include <memory>

class QWidget;

namespace kst {

class TProgressForm;
class TZip;

// The archive component's window and prompts in the program: the progress
// window over the main window, and every prompt through the dialog seam.
// When the window steps aside for a prompt is the component's decision.
class QtZipUi : public ZipUi {
public:
    QtZipUi(TZip& component, QWidget* mainWindow);
    ~QtZipUi() override;

    // The progress window of the running extraction, or nullptr.
    TProgressForm* progressForm() const { return form_.get(); }

    void createProgressWindow() override;
    void destroyProgressWindow() override;
    void showProgressWindow() override;
    void hideProgressWindow() override;
    void setProgressStatus(const std::string& text) override;
    void setProgressEnd(std::int64_t total) override;
    void setProgressPosition(std::int64_t done) override;

    bool insertDisk(int wantedDisk) override;
    bool lastDisk(int insertedDisk) override;
    std::string password(const std::string& file) override;
    Answer crcError(const std::string& file) override;
    Answer overwrite(const std::string& file, bool existingIsOlder) override;
    void multiDiskNotice() override;
    void missingFolderNotice(const std::string& folder) override;

    void processEvents() override;

private:
    TZip& component_;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<TProgressForm> form_;
};

}  // namespace kst
