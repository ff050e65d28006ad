// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/captions.h"

#include <QLoggingCategory>

#include <array>
#include <cstring>

Q_LOGGING_CATEGORY(lcCaptions, "velmora.captions")

namespace velmora {

namespace {

struct CaptionRow {
    const char* key;
    const char* french;
    const char* english;
};

// The ampersand marks the access key. French says "&Options", English the
// singular "&Option".
constexpr std::array<CaptionRow, 44> kCaptions = {{
    {"fichier", "&Fichier", "&Files"},
    {"Newgame", "&Nouvelle Partie", "&New Game"},
    {"print2", "&Imprimer", "&Print"},
    {"propimpri", "&Propriété Imprimante", "&Configuration"},
    {"Exit1", "&Quitter", "&Quit"},
    {"option1", "&Options", "&Option"},
    {"tp", "&Type de Partie", "&Game Type"},
    {"co", "&Contre Ordinateur", "&Computer"},
    {"facile", "&Facile", "&Easy"},
    {"Normal", "&Normal", "&Medium"},
    {"Impo", "&Impossible", "&Hard"},
    {"joueur", "&2 Joueur", "&2 Players"},
    {"langue", "&Langue", "&Language"},
    {"franc", "&Français", "&French"},
    {"angl", "&Anglais", "&English"},
    {"Aide", "&Aide", "&Help"},
    {"apropos", "A &propos", "&About"},
    {"Apropos.title", "A propos", "About"},
    {"Printer1.title", "Imprimer", "Print"},
    {"Printer1.Label1", "Impression de grille pour jouer au Velmora (par 15)",
        "Impression of grid to play Velmora (by 15)"},
    {"Printer1.Command2", "&Annuler", "&Cancel"},
    {"Printer1.Command1", "&Imprimer", "&Print"},
    {"Printing.failed", "Impression impossible : ", "Printing failed: "},
    {"Printing.notStarted", "l'impression n'a pas pu commencer", "printing could not start"},
    {"Printing.printerError", "l'imprimante a signalé une erreur", "the printer reported an error"},
    {"Printing.emptyFile", "le fichier est vide ou absent (disque plein ?)",
        "the file is empty or missing (disk full?)"},
    {"Panel.twoPlayers", "2 Joueur", "2 Players"},
    {"Panel.playerOne", "Joueur : 1", "Player : 1"},
    {"Panel.playerTwo", "Joueur : 2", "Player : 2"},
    {"Level.F", "Facile", "Easy"},
    {"Level.I", "Impossible", "Hard"},
    {"Level.N", "Normal", "Medium"},
    // What a screen reader says of a cell: where it is, then what it holds.
    {"Cell.1", "haut gauche", "top left"},
    {"Cell.2", "haut milieu", "top middle"},
    {"Cell.3", "haut droite", "top right"},
    {"Cell.4", "milieu gauche", "middle left"},
    {"Cell.5", "centre", "centre"},
    {"Cell.6", "milieu droite", "middle right"},
    {"Cell.7", "bas gauche", "bottom left"},
    {"Cell.8", "bas milieu", "bottom middle"},
    {"Cell.9", "bas droite", "bottom right"},
    {"Mark.none", "vide", "empty"},
    {"Mark.cross", "croix", "cross"},
    {"Mark.nought", "rond", "nought"},
}};

} // namespace

std::optional<Language> languageFromCode(const QString& lan)
{
    if (lan == QLatin1String("F"))
        return Language::French;
    if (lan == QLatin1String("A"))
        return Language::English;
    return std::nullopt;
}

QString caption(const char* key, Language language)
{
    for (const CaptionRow& row : kCaptions) {
        if (std::strcmp(row.key, key) == 0)
            return QString::fromUtf8(language == Language::French ? row.french : row.english);
    }
    qCWarning(lcCaptions) << "no caption for" << key;
    return {};
}

const std::array<const char*, 17>& captionedMenuItems()
{
    static constexpr std::array<const char*, 17> items = {
        "fichier",
        "Newgame",
        "print2",
        "propimpri",
        "Exit1",
        "option1",
        "tp",
        "co",
        "facile",
        "Normal",
        "Impo",
        "joueur",
        "langue",
        "franc",
        "angl",
        "Aide",
        "apropos",
    };
    return items;
}

} // namespace velmora
