#pragma once

#include <QWidget>

// Placeholder: the owner-drawn button replaces this with the full control.
class VistaButton : public QWidget
{
    Q_OBJECT
public:
    explicit VistaButton(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &nValue);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &nValue);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &nValue);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
};
