#pragma once

#include "editor/saveprogress.h"

#include <QImage>
#include <QWidget>

// The editor's progress strip: a picture panel, measured in pixels, in which a save draws
// its progress. What is drawn stays in a persistent image until the next save clears it.
class ProgressStrip : public QWidget, public SaveProgress
{
    Q_OBJECT
public:
    explicit ProgressStrip(QWidget *parent = nullptr);
    ~ProgressStrip() override;

    void setBackColor(const QColor &colour);
    QColor backColor() const { return m_background; }
    const QImage &image() const { return m_image; }

    void begin(const QColor &background) override;
    void fill(int right, const QColor &colour) override;
    void end() override;
    int length() const override { return width(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_image;
    QColor m_background = QColor(0, 60, 0);
    bool m_busy = false;
};
