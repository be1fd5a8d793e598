#pragma once

#include <QString>

#include <functional>

// The display font "QPZ" that the text generators draw with. When the system does not know it,
// start-up adds the file "QPZ.bdf" of the program folder for this process only, and shutdown
// removes it again.
class DisplayFont
{
public:
    static inline const QString FamilyName = QStringLiteral("QPZ");
    static inline const QString FileName = QStringLiteral("QPZ.bdf");

    // Tells whether a font of the given name is installed. The default asks the font system for
    // the name and compares the family it actually gives, ignoring case.
    using FontExistsCheck = std::function<bool(const QString &name)>;
    static bool FamilyInstalled(const QString &name);

    // The start-up step: checks for the font and adds the file when needed, writing the debug
    // lines on the way. A missing file is reported to the user; start-up goes on either way.
    void Install(const QString &programFolder, const FontExistsCheck &fontExists = {});

    // The shutdown step: removes the font again when Install added it.
    void Remove();

    // True while the font file is added for this process.
    bool FontAdded() const { return m_fontId >= 0; }

private:
    int m_fontId = -1;
};
