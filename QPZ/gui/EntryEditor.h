#pragma once

#include "playlists/EditorValues.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QStackedWidget;

// The group "Playlist-Eintrag hinzufügen/ändern": the list of movies and built-in functions,
// the settings panel that the chosen item needs (repetitions and speed boost, duration, or
// scroll text), the transition, and the buttons that test-play or store the result.
class EntryEditor : public QGroupBox
{
    Q_OBJECT

public:
    explicit EntryEditor(QWidget *parent = nullptr);

    // Rebuilds the movie list from the movies folder, keeping the chosen text where it can.
    void FillMovieList();
    // The scroll direction and the transition start at the first entry of their lists.
    void SelectDefaults();
    // What the controls hold now.
    EditorValues Values() const;
    // The panel for the item chosen in the movie list ("click in cmbMovie").
    void ShowPanelForChoice();

    void SetPlaying(bool playing);
    void SetTestPlaying(bool playing);

signals:
    // The add, change and font buttons are enabled only while something listens to them.
    void TestPlayClicked();
    void AddClicked();
    void ChangeClicked();
    void FontClicked();

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    bool IsListened(void (EntryEditor::*signal)()) const;
    QWidget *MakeMoviePanel();
    QWidget *MakeDurationPanel();
    QWidget *MakeScrollPanel();
    void AlignLabels();
    void UpdateButtons();

    QComboBox *m_cmbMovie;
    QStackedWidget *m_panels;
    QLabel *m_lblSelect;
    QWidget *m_noPanel;
    QWidget *m_picControlsMovie;
    QWidget *m_picControlsDuration;
    QWidget *m_picControlsScroll;
    QLineEdit *m_txtRep;
    QSlider *m_sldBoost;
    QLineEdit *m_txtDuration;
    QLineEdit *m_txtScrollText;
    QComboBox *m_cmbDir;
    QSlider *m_sldSpeed;
    QLabel *m_lblFont;
    QPushButton *m_cmdFont;
    QComboBox *m_cmbTransition;
    QPushButton *m_cmdTestPlay;
    QPushButton *m_cmdAdd;
    QPushButton *m_cmdChange;
    bool m_playing = false;
};
