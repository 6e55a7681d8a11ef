#pragma once

#include <QImage>
#include <QWidget>

// The editor's help panel: a short explanation written in pixels from the
// panel's top-left corner onto a dark background. The text is written anew into a
// persistent image each time the panel is shown.
class HelpPanel : public QWidget
{
    Q_OBJECT
public:
    explicit HelpPanel(QWidget *parent = nullptr);

    // Clears the panel and writes the help lines.
    void writeHelp();
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_image;
};
