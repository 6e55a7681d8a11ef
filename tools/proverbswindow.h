#pragma once

#include "ui/appcontext.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class VistaButton;

// Proverbs and sayings from Data/Spreekwoorden.lib; a double click shows the meaning.
class ProverbsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ProverbsWindow(const AppContext &context, QWidget *parent = nullptr);

    // The meaning of the current proverb, in a message.
    void showMeaning();

    QListWidget *proverbList() const { return m_proverbList; }
    // The meaning fields as read, field i belonging to proverb i.
    const QStringList &meaningFields() const { return m_meaningFields; }

private:
    void sizeLinesAsTheWidest(const QStringList &lines);
    void createControls();
    void loadProverbs();

    AppContext m_context;
    QStringList m_meaningFields;
    QListWidget *m_proverbList = nullptr;
    QLabel *m_hintLabel = nullptr;
    VistaButton *m_exitButton = nullptr;
};
