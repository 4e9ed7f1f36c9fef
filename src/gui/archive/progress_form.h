#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kst {

class TZip;

// The small window of one extraction: the file being extracted, a bar over
// the whole batch and a Cancel button. Built in code, owned by the archive
// component's user interface for the time of one extraction.
class TProgressForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 300;
    static constexpr int ClientHeight = 100;

    TProgressForm(TZip& component, QWidget* mainWindow);

    // Repainting for every small file of a large batch would cost more than
    // unpacking it: the controls take the newest values at most every
    // RefreshMs, the last ones once that time has passed.
    static constexpr int RefreshMs = 40;

    // The label keeps its width, so a long name is cut off at its edge.
    void setStatusText(const QString& text);
    // The bar's range ends at the batch's total bytes.
    void setBarEnd(std::int64_t total);
    // Bytes done so far.
    void setBarPosition(std::int64_t done);

    QLabel* StatusLabel = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void CancelButtonClick();

private:
    void refreshSoon();
    void refresh();

    TZip& component_;
    QString text_;
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
    bool pending_ = false;
    QElapsedTimer sinceRefresh_;
    QTimer refreshTimer_;
};

// Where a window of the given outer size goes to sit centred over another
// window's outer rectangle; each half is rounded toward zero.
QPoint centredOver(const QRect& owner, const QSize& size);

}  // namespace kst
