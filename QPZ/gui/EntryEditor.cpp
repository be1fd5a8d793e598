#include "gui/EntryEditor.h"

#include "display/Transitions.h"
#include "gui/ButtonIcons.h"
#include "movies/MovieList.h"

#include <QComboBox>
#include <QMetaMethod>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QSlider *MakeSlider(const QString &name, int minimum, int maximum, int pageStep, int singleStep,
                    int value, QWidget *parent)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    slider->setPageStep(pageStep);
    slider->setSingleStep(singleStep);
    slider->setTickInterval(50);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(value);
    return slider;
}

// A slider with its value shown beside it.
QWidget *WithValueLabel(QSlider *slider, const QString &suffix, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *value = new QLabel(row);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-100%")));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const auto show = [value, suffix](int v) { value->setText(QString::number(v) + suffix); };
    QObject::connect(slider, &QSlider::valueChanged, value, show);
    show(slider->value());
    layout->addWidget(slider, 1);
    layout->addWidget(value);
    return row;
}

QWidget *Panel(const QString &name, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    return panel;
}

} // namespace

EntryEditor::EntryEditor(QWidget *parent)
    : QGroupBox(QStringLiteral("Playlist-Eintrag hinzufügen/ändern"), parent),
      m_cmbMovie(new QComboBox(this)), m_panels(new QStackedWidget(this)),
      m_cmbTransition(new QComboBox(this))
{
    setObjectName(QStringLiteral("fraEditor"));

    m_cmbMovie->setObjectName(QStringLiteral("cmbMovie"));
    m_cmbMovie->setPlaceholderText(QStringLiteral("Film oder Funktion wählen"));
    m_cmbMovie->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbMovie->setMinimumContentsLength(24);
    m_cmbMovie->setMaxVisibleItems(20);
    connect(m_cmbMovie, &QComboBox::activated, this, &EntryEditor::ShowPanelForChoice);

    m_lblSelect = new QLabel(
        QStringLiteral("B I T T E   W Ä H L E N   S I E   E I N E   F U N K T I O N"), m_panels);
    m_lblSelect->setObjectName(QStringLiteral("lblSelect"));
    m_lblSelect->setAlignment(Qt::AlignCenter);
    m_lblSelect->setWordWrap(true);
    m_lblSelect->setEnabled(false); // a hint, drawn in the muted text colour
    m_noPanel = new QWidget(m_panels);
    m_panels->addWidget(m_lblSelect);
    m_panels->addWidget(m_noPanel);
    m_panels->addWidget(MakeMoviePanel());
    m_panels->addWidget(MakeDurationPanel());
    m_panels->addWidget(MakeScrollPanel());
    m_panels->setCurrentWidget(m_lblSelect);

    m_cmbTransition->setObjectName(QStringLiteral("cmbTransition"));
    m_cmbTransition->addItems(TransitionCaptions());

    m_cmdTestPlay = new QPushButton(MakeButtonIcon(ButtonIcon::Test), QStringLiteral("Test"), this);
    m_cmdTestPlay->setObjectName(QStringLiteral("cmdTestPlay"));
    m_cmdTestPlay->setToolTip(QStringLiteral("Spielt die gewählten Einstellungen einmal ab"));
    connect(m_cmdTestPlay, &QPushButton::clicked, this, &EntryEditor::TestPlayClicked);
    m_cmdAdd = new QPushButton(MakeButtonIcon(ButtonIcon::Add), QStringLiteral("Hinzufügen"), this);
    m_cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    connect(m_cmdAdd, &QPushButton::clicked, this, &EntryEditor::AddClicked);
    m_cmdChange = new QPushButton(MakeButtonIcon(ButtonIcon::Apply),
                                  QStringLiteral("Änderungen übernehmen"), this);
    m_cmdChange->setObjectName(QStringLiteral("cmdChange"));
    connect(m_cmdChange, &QPushButton::clicked, this, &EntryEditor::ChangeClicked);
    connect(m_cmdFont, &QPushButton::clicked, this, &EntryEditor::FontClicked);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Film/Funktion:"), m_cmbMovie);
    form->addRow(m_panels);
    form->addRow(QStringLiteral("Über&blendung:"), m_cmbTransition);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdTestPlay);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdAdd);
    buttons->addWidget(m_cmdChange);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    AlignLabels();
    UpdateButtons();
}

void EntryEditor::AlignLabels()
{
    // The group's own rows and the rows of every panel share one label column.
    const QList<QFormLayout *> forms = findChildren<QFormLayout *>();
    QList<QWidget *> labels;
    for (QFormLayout *form : forms) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole);
                item && item->widget())
                labels.append(item->widget());
        }
    }
    int width = 0;
    for (QWidget *label : labels)
        width = std::max(width, label->sizeHint().width());
    for (QWidget *label : labels)
        label->setMinimumWidth(width);
}

QWidget *EntryEditor::MakeMoviePanel()
{
    m_picControlsMovie = Panel(QStringLiteral("picControlsMovie"), m_panels);
    m_txtRep = new QLineEdit(QStringLiteral("1"), m_picControlsMovie);
    m_txtRep->setObjectName(QStringLiteral("txtRep"));
    m_txtRep->setMaximumWidth(m_txtRep->fontMetrics().horizontalAdvance(u'0') * 10);
    m_sldBoost = MakeSlider(QStringLiteral("sldBoost"), -100, 100, 50, 10, 0, m_picControlsMovie);

    auto *form = new QFormLayout(m_picControlsMovie);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("&Wiederholungen:"), m_txtRep);
    form->addRow(QStringLiteral("&Speed-Boost:"),
                 WithValueLabel(m_sldBoost, QStringLiteral("%"), m_picControlsMovie));
    return m_picControlsMovie;
}

QWidget *EntryEditor::MakeDurationPanel()
{
    m_picControlsDuration = Panel(QStringLiteral("picControlsDuration"), m_panels);
    m_txtDuration = new QLineEdit(QStringLiteral("30"), m_picControlsDuration);
    m_txtDuration->setObjectName(QStringLiteral("txtDuration"));
    m_txtDuration->setMaximumWidth(m_txtDuration->fontMetrics().horizontalAdvance(u'0') * 10);

    auto *row = new QHBoxLayout;
    row->addWidget(m_txtDuration);
    row->addWidget(new QLabel(QStringLiteral("Sekunden"), m_picControlsDuration));
    row->addStretch(1);
    auto *label = new QLabel(QStringLiteral("&Dauer:"), m_picControlsDuration);
    label->setBuddy(m_txtDuration);
    auto *form = new QFormLayout(m_picControlsDuration);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(label, row);
    return m_picControlsDuration;
}

QWidget *EntryEditor::MakeScrollPanel()
{
    m_picControlsScroll = Panel(QStringLiteral("picControlsScroll"), m_panels);
    m_txtScrollText = new QLineEdit(m_picControlsScroll);
    m_txtScrollText->setObjectName(QStringLiteral("txtScrollText"));
    m_cmbDir = new QComboBox(m_picControlsScroll);
    m_cmbDir->setObjectName(QStringLiteral("cmbDir"));
    m_cmbDir->addItems({ QStringLiteral("R->L"), QStringLiteral("L->R"), QStringLiteral("O->U"),
                         QStringLiteral("U->O") });
    m_sldSpeed = MakeSlider(QStringLiteral("sldSpeed"), 0, 200, 5, 1, 165, m_picControlsScroll);
    m_lblFont = new QLabel(QStringLiteral("QPZ, 6pt, N"), m_picControlsScroll);
    m_lblFont->setObjectName(QStringLiteral("lblFont"));
    m_cmdFont = new QPushButton(QStringLiteral("A"), m_picControlsScroll);
    m_cmdFont->setObjectName(QStringLiteral("cmdFont"));
    m_cmdFont->setToolTip(QStringLiteral("Schriftart wählen"));
    m_cmdFont->setFixedWidth(m_cmdFont->sizeHint().height() + 8);

    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(m_lblFont, 1);
    fontRow->addWidget(m_cmdFont);
    auto *form = new QFormLayout(m_picControlsScroll);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("&Text:"), m_txtScrollText);
    form->addRow(QStringLiteral("&Richtung:"), m_cmbDir);
    form->addRow(QStringLiteral("&Geschw.:"),
                 WithValueLabel(m_sldSpeed, QString(), m_picControlsScroll));
    auto *fontLabel = new QLabel(QStringLiteral("Schriftart:"), m_picControlsScroll);
    form->addRow(fontLabel, fontRow);
    return m_picControlsScroll;
}

void EntryEditor::SelectDefaults()
{
    m_cmbDir->setCurrentIndex(0);
    m_cmbTransition->setCurrentIndex(0);
}

void EntryEditor::FillMovieList()
{
    const QString remembered = m_cmbMovie->currentText();
    m_cmbMovie->clear();
    m_cmbMovie->addItems(MovieListItems());
    m_cmbMovie->setCurrentIndex(-1);
    if (m_cmbMovie->count() > 0 && !remembered.isEmpty())
        m_cmbMovie->setCurrentText(remembered);
}

void EntryEditor::ShowPanelForChoice()
{
    if (m_panels->currentWidget() == m_lblSelect)
        m_panels->setCurrentWidget(m_noPanel);
    const std::optional<QString> key = MovieListKey(m_cmbMovie->currentText());
    if (!key)
        return;
    switch (PanelForKey(*key)) {
    case EditorPanel::Scroll:
        m_panels->setCurrentWidget(m_picControlsScroll);
        break;
    case EditorPanel::Duration:
        m_panels->setCurrentWidget(m_picControlsDuration);
        break;
    case EditorPanel::Movie:
        m_panels->setCurrentWidget(m_picControlsMovie);
        break;
    }
}

EditorValues EntryEditor::Values() const
{
    EditorValues values;
    values.MovieText = m_cmbMovie->currentText();
    values.DurationText = m_txtDuration->text();
    values.RepetitionsText = m_txtRep->text();
    values.Boost = m_sldBoost->value();
    values.TransitionText = m_cmbTransition->currentText();
    values.ScrollText = m_txtScrollText->text();
    values.Direction = m_cmbDir->currentText();
    values.Speed = m_sldSpeed->value();
    values.FontCaption = m_lblFont->text();
    return values;
}

void EntryEditor::SetPlaying(bool playing)
{
    m_playing = playing;
    UpdateButtons();
}

void EntryEditor::SetTestPlaying(bool playing)
{
    m_cmdTestPlay->setText(playing ? QStringLiteral("Stop") : QStringLiteral("Test"));
    m_cmdTestPlay->setIcon(MakeButtonIcon(playing ? ButtonIcon::Stop : ButtonIcon::Test));
}

void EntryEditor::connectNotify(const QMetaMethod &)
{
    UpdateButtons();
}

bool EntryEditor::IsListened(void (EntryEditor::*signal)()) const
{
    return isSignalConnected(QMetaMethod::fromSignal(signal));
}

void EntryEditor::UpdateButtons()
{
    m_cmdAdd->setEnabled(IsListened(&EntryEditor::AddClicked));
    m_cmdFont->setEnabled(IsListened(&EntryEditor::FontClicked));
    // A running playlist must not have its rows changed under it.
    m_cmdChange->setEnabled(IsListened(&EntryEditor::ChangeClicked) && !m_playing);
}
