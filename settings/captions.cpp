// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/captions.h"

#include <QLoggingCategory>

#include <array>
#include <cstring>
#include <vector>

Q_LOGGING_CATEGORY(lcCaptions, "velmora.captions")

namespace velmora {

namespace {

// Menu items are captioned by `lang`; the other texts by the window that
// shows them.
enum class Shown { InMenu, Elsewhere };

struct CaptionRow {
    const char* key;
    // One text a language, in the order of the table of languages.
    std::array<const char*, kLanguageCount> texts;
    Shown shown = Shown::Elsewhere;
};

// The ampersand marks the access key. French says "&Options", English the
// singular "&Option".
constexpr auto kCaptions = std::to_array<CaptionRow>({
    {"fichier", {"&Fichier", "&Files"}, Shown::InMenu},
    {"Newgame", {"&Nouvelle Partie", "&New Game"}, Shown::InMenu},
    {"print2", {"&Imprimer", "&Print"}, Shown::InMenu},
    {"propimpri", {"&Propriété Imprimante", "&Configuration"}, Shown::InMenu},
    {"Exit1", {"&Quitter", "&Quit"}, Shown::InMenu},
    {"option1", {"&Options", "&Option"}, Shown::InMenu},
    {"tp", {"&Type de Partie", "&Game Type"}, Shown::InMenu},
    {"co", {"&Contre Ordinateur", "&Computer"}, Shown::InMenu},
    {"facile", {"&Facile", "&Easy"}, Shown::InMenu},
    {"Normal", {"&Normal", "&Medium"}, Shown::InMenu},
    {"Impo", {"&Impossible", "&Hard"}, Shown::InMenu},
    {"joueur", {"&2 Joueur", "&2 Players"}, Shown::InMenu},
    {"langue", {"&Langue", "&Language"}, Shown::InMenu},
    {"franc", {"&Français", "&French"}, Shown::InMenu},
    {"angl", {"&Anglais", "&English"}, Shown::InMenu},
    {"Aide", {"&Aide", "&Help"}, Shown::InMenu},
    {"apropos", {"A &propos", "&About"}, Shown::InMenu},
    {"Apropos.title", {"A propos", "About"}},
    {"Printer1.title", {"Imprimer", "Print"}},
    {"Printer1.Label1",
        {"Impression de grille pour jouer au Velmora (par 15)", "Impression of grid to play Velmora (by 15)"}},
    {"Printer1.Command2", {"&Annuler", "&Cancel"}},
    {"Printer1.Command1", {"&Imprimer", "&Print"}},
    {"Printing.failed", {"Impression impossible : ", "Printing failed: "}},
    {"Printing.notStarted", {"l'impression n'a pas pu commencer", "printing could not start"}},
    {"Printing.printerError", {"l'imprimante a signalé une erreur", "the printer reported an error"}},
    {"Printing.notAFile", {"la destination n'est pas un fichier ordinaire", "the destination is not a regular file"}},
    {"Printing.incomplete", {"le fichier est incomplet (disque plein ?)", "the file is incomplete (disk full?)"}},
    // A web page when no browser can be started; %1 is the page's address.
    {"Web.title", {"Velmora", "Velmora"}},
    {"Web.notOpened",
        {"Impossible d'ouvrir la page %1 : installez le paquet xdg-utils.",
            "Could not open the page %1: install the package xdg-utils."}},
    {"Panel.twoPlayers", {"2 Joueur", "2 Players"}},
    {"Panel.playerOne", {"Joueur : 1", "Player : 1"}},
    {"Panel.playerTwo", {"Joueur : 2", "Player : 2"}},
    {"Level.F", {"Facile", "Easy"}},
    {"Level.I", {"Impossible", "Hard"}},
    {"Level.N", {"Normal", "Medium"}},
    // What a screen reader says of a cell: where it is, then what it holds.
    {"Cell.1", {"haut gauche", "top left"}},
    {"Cell.2", {"haut milieu", "top middle"}},
    {"Cell.3", {"haut droite", "top right"}},
    {"Cell.4", {"milieu gauche", "middle left"}},
    {"Cell.5", {"centre", "centre"}},
    {"Cell.6", {"milieu droite", "middle right"}},
    {"Cell.7", {"bas gauche", "bottom left"}},
    {"Cell.8", {"bas milieu", "bottom middle"}},
    {"Cell.9", {"bas droite", "bottom right"}},
    {"Mark.none", {"vide", "empty"}},
    {"Mark.cross", {"croix", "cross"}},
    {"Mark.nought", {"rond", "nought"}},
    {"Command1.name", {"Plateau de jeu", "Game board"}},
    {"Command1.description",
        {"Jouez avec les touches 1 à 9, placées comme sur un pavé numérique : 7 8 9 en haut, 1 2 3 en bas",
            "Play with the keys 1 to 9, laid out as on a numeric keypad: 7 8 9 on top, 1 2 3 at the bottom"}},
    // What a screen reader hears after a move: each mark placed ("croix,
    // centre"), joined, then whose turn it is.
    {"Spoken.then", {" ; ", "; "}},
    {"Spoken.playerOne", {"au tour du joueur 1", "player 1 to play"}},
    {"Spoken.playerTwo", {"au tour du joueur 2", "player 2 to play"}},
    {"Spoken.yourTurn", {"à vous de jouer", "your turn"}},
    // End-of-game boxes. The window against the computer speaks French only.
    {"Box.title", {"Partie terminée!", "End Game!"}},
    {"Box.drawTitle", {"Bouh!!", "Bouh!!"}},
    {"Box.playerOneWins", {"Bravo joueur 1!!! Vous avez gagné!!!", "Bravo player 1!!! You are WIN!!!"}},
    {"Box.playerTwoWins", {"Bravo joueur 2!!! Vous avez gagné!!!", "Bravo player 2!!! You are WIN!!!"}},
    {"Box.draw", {"Match nul!!!", "Match nul Anglais!!!"}},
    {"Box.personLoses", {"Bouh!!! Vous avez perdu!!!", "Bouh!!! Vous avez perdu!!!"}},
});

// The laid-out texts that are not the French caption.
struct LaidOutText {
    const char* key;
    const char* text;
};

constexpr std::array<LaidOutText, 5> kLaidOutDifferences = {{
    {"option1", "&Option"},
    {"propimpri", "&Propiété Imprimante"},
    {"joueur", "&2 Jouers"},
    {"Panel.twoPlayers", "2 Joueurs"},
    {"Printer1.Label1", "Impression de grille pour jouer au Velmora (par 15) "},
}};

} // namespace

QString caption(const char* key, Language language)
{
    for (const CaptionRow& row : kCaptions) {
        if (std::strcmp(row.key, key) == 0)
            return QString::fromUtf8(row.texts.at(languageIndex(language)));
    }
    qCWarning(lcCaptions) << "no caption for" << key;
    return {};
}

QString laidOutCaption(const char* key)
{
    for (const LaidOutText& row : kLaidOutDifferences) {
        if (std::strcmp(row.key, key) == 0)
            return QString::fromUtf8(row.text);
    }
    return caption(key, kLaidOutLanguage);
}

const std::vector<const char*>& captionedMenuItems()
{
    static const std::vector<const char*> items = [] {
        std::vector<const char*> keys;
        for (const CaptionRow& row : kCaptions) {
            if (row.shown == Shown::InMenu)
                keys.push_back(row.key);
        }
        return keys;
    }();
    return items;
}

} // namespace velmora
