#include "texts/language_texts.h"

#include <cstddef>
#include <cstring>

#include "model/occupancy.h"
#include "texts/manual.h"
#include "texts/text_layout.h"

uint8_t language = LANGUAGE_ENGLISH;

char textBoardGameCredit[44];
char textPcVersionCredit[54];
char textStart[10];
char textLanguageSelection[19];
char textManual[19];
std::string textContinueExistingRace;
char textBack[7];
char textCreateNewCourse[27];
char textUseSavedCourse[32];
char textNextCourse[9];
char textPreviousCourse[10];
char textBackSavedCourses[7];
char textUndoSection[13];
char textAdd[11];
char textSaveCourse[21];
char textBackCourses[7];
char textSprint[7];
char textFinish[14];
char textPreviousPage[16];
char textNextPage[16];
char textMainMenu[15];
char textTeamSetup[25];
char textCourseSelection[22];
char textPleaseWait[32];
char textThrow[8];
char textNextTeam[9];
char textScorecard[11];
char textPositions[11];
char textDoping[7];
char textSettings[14];
char textQuit[9];
char textExport[12];
std::string textStandingsWrittenTo;
std::string textCouldNotBeOpened;
std::string textFileAlreadyOpened;
char textExit[8];
char textSmoothComputerMovement[28];
char textStepwiseComputerMovement[29];
char textDelay[12];
char textDistance[9];
char textTimeBetweenSteps[24];
char textRatio54[4];
char textRatio43[4];
char textRatioWidescreen[19];
char textComputerMovement[19];
char textScreenRatio[21];
char textDefault[17];
char textCancel[10];
char textYes[4];
char textNo[5];
char textBlue[6];
char textWhite[6];
char textImmediately[14];
char textLater[10];
char textBreakaway[15];
char textBonusMoves[17];
char textMoves[11];
char textMovesLeft[18];
char textRound[12];
char textLap[7];
char textLapShort[3];
char textFollowQuestion[37];
char textNoCardEventCancelled[72];
char textNoForwardMove[45];
char textConfirmQuit[36];
char textConfirmDoping[41];
char textDopingNumber[17];
char textWhichCardKind[53];
char textWhenUseCard[43];
char textNoStrengthCard[43];
char textDopingControl[20];
char textDrawnNumbers[18];
char textCyclistsCaught[23];
char textCountercheck[17];
char textDraw[9];
char textDopingNumberOfCyclist[28];
char textCyclist[11];
char textAcquitted[15];
char textDisqualificationConfirmed[29];
char textComputerPlayer[16];
char textEnableEventCards[25];
char textAnd[4];
std::string textMultipleStages;
std::string textSingleStage;
std::string textRaceName;
std::string textStageWord;
std::string textStandings;
std::string textResult;
std::string textGeneralAfterStage;
std::string textGeneral;
std::string textStageTab;
std::string textEnterPlayerName;
std::string textEnterARaceName;
std::string textRaceNameExists;
std::string textRetry;
std::string textAbort;
std::string textCouldNotSaveRace;
std::string textCreditLine;

char teamNames[4][TEAM_NAME_SIZE];
char raceName[RACE_NAME_SIZE];

const char* const defaultTeamNames[LANGUAGE_COUNT][4] = {
    {"Belgien", "Niederlande", "Deutschland", "Frankreich"},  // German
    {"Belgium", "Netherlands", "Germany", "France"},          // English
    {"Belgique", "Pays-Bas", "Allemagne", "France"},          // French
    {"Belgie", "Nederland", "Duitsland", "Frankrijk"},        // Dutch
};

namespace {

// Every text below is listed by language number: German, English, French,
// Dutch. Latin-1 letters are written as escapes.
struct CharLabel {
  char* buffer;
  size_t size;
  const char* texts[LANGUAGE_COUNT];
};

struct StringLabel {
  std::string* label;
  const char* texts[LANGUAGE_COUNT];
};

constexpr CharLabel charLabels[] = {
    {textBoardGameCredit, sizeof textBoardGameCredit,
     {"Nach dem Radsport-Brettspiel Corvalis",
      "After the cycling board game Corvalis",
      "D'apr\xe8s le jeu de plateau cycliste Corvalis",
      "Naar het wielerbordspel Corvalis"}},
    {textPcVersionCredit, sizeof textPcVersionCredit,
     {"PC-Version: das Brettspiel f\xfcr den Computer umgesetzt",
      "PC version: the board game brought to the computer",
      "Version PC: le jeu de plateau adapt\xe9 \xe0 l'ordinateur",
      "Pc-versie: het bordspel omgezet voor de computer"}},
    {textStart, sizeof textStart,
     {"Starten",
      "Start",
      "Commencer",
      "Start"}},
    {textLanguageSelection, sizeof textLanguageSelection,
     {"Sprachwahl",
      "Language selection",
      "Choix de la langue",
      "Taalkeuze"}},
    {textManual, sizeof textManual,
     {"Anleitung",
      "Manual",
      "Notice explicative",
      "Handleiding"}},
    {textBack, sizeof textBack,
     {"Zur\xfc" "ck",
      "Back",
      "Retour",
      "Terug"}},
    {textCreateNewCourse, sizeof textCreateNewCourse,
     {"Neue Strecke entwerfen",
      "Create new course",
      "Concevoir nouveau parcours",
      "Nieuw parcours ontwerpen"}},
    {textUseSavedCourse, sizeof textUseSavedCourse,
     {"Gespeicherte Strecke verwenden",
      "Use saved course",
      "Utiliser un parcours enregistr\xe9",
      "Opgeslagen parcours gebruiken"}},
    {textNextCourse, sizeof textNextCourse,
     {"N\xe4" "chster",
      "Next",
      "Suivant",
      "Volgende"}},
    {textPreviousCourse, sizeof textPreviousCourse,
     {"Voriger",
      "Previous",
      "Pr\xe9" "c\xe9" "dent",
      "Vorige"}},
    {textBackSavedCourses, sizeof textBackSavedCourses,
     {"Zur\xfc" "ck",
      "Back",
      "Retour",
      "Terug"}},
    {textUndoSection, sizeof textUndoSection,
     {"Voriger Teil",
      "Previous",
      "Pr\xe9" "c\xe9" "dent",
      "Vorige"}},
    {textAdd, sizeof textAdd,
     {"Hinzuf\xfcgen",
      "Add",
      "Ajouter",
      "Toevoegen"}},
    {textSaveCourse, sizeof textSaveCourse,
     {"Strecke speichern",
      "Save course",
      "Enregistrer parcours",
      "Parcours opslaan"}},
    {textBackCourses, sizeof textBackCourses,
     {"Zur\xfc" "ck",
      "Back",
      "Retour",
      "Terug"}},
    {textSprint, sizeof textSprint,
     {"Sprint",
      "Sprint",
      "Sprint",
      "Sprint"}},
    {textFinish, sizeof textFinish,
     {"Zieldurchlauf",
      "Finish",
      "Arriv\xe9" "e",
      "Finish"}},
    {textPreviousPage, sizeof textPreviousPage,
     {"Vorige Seite",
      "Previous page",
      "Page pr\xe9" "c\xe9" "dente",
      "Vorige pagina"}},
    {textNextPage, sizeof textNextPage,
     {"N\xe4" "chste Seite",
      "Next page",
      "Page suivante",
      "Volgende pagina"}},
    {textMainMenu, sizeof textMainMenu,
     {"Hauptmen\xfc",
      "Main Menu",
      "Menu Principal",
      "Hoofdmenu"}},
    {textTeamSetup, sizeof textTeamSetup,
     {"Mannschaftseinstellungen",
      "Team Setup",
      "Attribution des \xc9quipes",
      "Ploegeninstelling"}},
    {textCourseSelection, sizeof textCourseSelection,
     {"Streckenauswahl",
      "Course Selection",
      "S\xe9lection du Parcours",
      "Parcours Selectie"}},
    {textPleaseWait, sizeof textPleaseWait,
     {"Einen Moment Geduld bitte",
      "Please wait while loading",
      "Chargement en cours",
      "Een ogenblik geduld alsjeblieft"}},
    {textThrow, sizeof textThrow,
     {"W\xfcrfeln",
      "Throw",
      "Jeter",
      "Gooi"}},
    {textNextTeam, sizeof textNextTeam,
     {"N\xe4" "chster",
      "Next",
      "Suivant",
      "Volgende"}},
    {textScorecard, sizeof textScorecard,
     {"Spielstand",
      "Scorecard",
      "Score",
      "Scorebloc"}},
    {textPositions, sizeof textPositions,
     {"Positionen",
      "Positions",
      "Positions",
      "Posities"}},
    {textDoping, sizeof textDoping,
     {"Doping",
      "Doping",
      "Dopage",
      "Doping"}},
    {textSettings, sizeof textSettings,
     {"Einstellungen",
      "Settings",
      "Param\xe8tres",
      "Instellingen"}},
    {textQuit, sizeof textQuit,
     {"Aufh\xf6ren",
      "Quit",
      "Quitter",
      "Stoppen"}},
    {textExport, sizeof textExport,
     {"Exportieren",
      "Export",
      "Exporter",
      "Exporteer"}},
    {textExit, sizeof textExit,
     {"Beenden",
      "Exit",
      "Fin",
      "Einde"}},
    {textSmoothComputerMovement, sizeof textSmoothComputerMovement,
     {"Flie\xdf" "ende Computerz\xfcge",
      "Smooth computer movement",
      "Tours d'ordinateur continus",
      "Vloeiende computerzetten"}},
    {textStepwiseComputerMovement, sizeof textStepwiseComputerMovement,
     {"Schrittweise Computerz\xfcge",
      "Stepwise computer movement",
      "Tours d'ordinateur pas-\xe0-pas",
      "Stapsgewijze computerzetten"}},
    {textDelay, sizeof textDelay,
     {"Verz\xf6gerung",
      "Delay",
      "Retard",
      "Vertraging"}},
    {textDistance, sizeof textDistance,
     {"Distanz",
      "Distance",
      "Distance",
      "Afstand"}},
    {textTimeBetweenSteps, sizeof textTimeBetweenSteps,
     {"Zeit zwischen Schritten",
      "Time between steps",
      "Temps entre des pas",
      "Tijd tussen stappen"}},
    {textRatio54, sizeof textRatio54,
     {"5:4",
      "5:4",
      "5/4",
      "5:4"}},
    {textRatio43, sizeof textRatio43,
     {"4:3",
      "4:3",
      "4/3",
      "4:3"}},
    {textRatioWidescreen, sizeof textRatioWidescreen,
     {"16:10 (Widescreen)",
      "16:10 (Widescreen)",
      "16/10",
      "16:10 (Widescreen)"}},
    {textComputerMovement, sizeof textComputerMovement,
     {"Computerz\xfcge",
      "Computer Movement",
      "Tours d'ordinateur",
      "Computerzetten"}},
    {textScreenRatio, sizeof textScreenRatio,
     {"Schirmverh\xe4ltnis",
      "Screen Ratio",
      "Format de projection",
      "Schermverhouding"}},
    {textDefault, sizeof textDefault,
     {"Standardwerte",
      "Default",
      "Par d\xe9" "faut",
      "Standaardwaarden"}},
    {textCancel, sizeof textCancel,
     {"Abbrechen",
      "Cancel",
      "Annuler",
      "Annuleren"}},
    {textYes, sizeof textYes,
     {"Ja",
      "Yes",
      "Oui",
      "Ja"}},
    {textNo, sizeof textNo,
     {"Nein",
      "No",
      "Non",
      "Nee"}},
    {textBlue, sizeof textBlue,
     {"Blaue",
      "Blue",
      "Bleu",
      "Blauw"}},
    {textWhite, sizeof textWhite,
     {"Wei\xdf" "e",
      "White",
      "Blanc",
      "Wit"}},
    {textImmediately, sizeof textImmediately,
     {"Sofort",
      "Immediately",
      "Tout de suite",
      "Direct"}},
    {textLater, sizeof textLater,
     {"Sp\xe4ter",
      "Later",
      "Plus tard",
      "Later"}},
    {textBreakaway, sizeof textBreakaway,
     {"Ausrei\xdfversuch",
      "Breakaway",
      "D\xe9marrage",
      "Demarrage"}},
    {textBonusMoves, sizeof textBonusMoves,
     {"Bonusschritte: ",
      "Bonus moves: ",
      "Cases de bonus: ",
      "Bonusstappen: "}},
    {textMoves, sizeof textMoves,
     {"Schritte: ",
      "Moves: ",
      "Cases: ",
      "Stappen: "}},
    {textMovesLeft, sizeof textMovesLeft,
     {"Schritte \xfc" "brig: ",
      "Moves left: ",
      "Cases restantes: ",
      "Stappen over: "}},
    {textRound, sizeof textRound,
     {"Spielrunde:",
      "Round:",
      "Manche:",
      "Spelronde:"}},
    {textLap, sizeof textLap,
     {"Runde:",
      "Lap:",
      "Tour:",
      "Ronde:"}},
    {textLapShort, sizeof textLapShort,
     {"R:",
      "L:",
      "T:",
      "R:"}},
    {textFollowQuestion, sizeof textFollowQuestion,
     {"M\xf6" "chten Sie dem Radfahrer %d folgen?",
      "Do you want to follow cyclist %d?",
      "Voulez-vous suivre le coureur %d?",
      "Volg je renner %d?"}},
    {textNoCardEventCancelled, sizeof textNoCardEventCancelled,
     {"Sie haben keine verf\xfcgbaren Kraftkarten; Chancekarte verf\xe4llt",
      "You do not have an available strength card; event card cancelled",
      "Vous n'avez pas des cartes de force disponibles; carte de chance expire",
      "Je hebt geen beschikbare krachtkaarten; kanskaart vervalt"}},
    {textNoForwardMove, sizeof textNoForwardMove,
     {"Radfahrer kommt nicht voran diese Spielrunde",
      "Rider does not go forward this turn",
      "Le coureur n'avance pas cette manche.",
      "Wielrenner komt niet vooruit deze beurt"}},
    {textConfirmQuit, sizeof textConfirmQuit,
     {"M\xf6" "chten Sie wirklich aufh\xf6ren?",
      "Do you really want to end the game?",
      "Voulez-vous vraiment quitter?",
      "Wil je echt afsluiten?"}},
    {textConfirmDoping, sizeof textConfirmDoping,
     {"M\xf6" "chten Sie wirklich Doping verwenden?",
      "Do you really want to use doping?",
      "Voulez-vous vraiment utiliser le dopage?",
      "Wil je echt doping gebruiken?"}},
    {textDopingNumber, sizeof textDopingNumber,
     {"Dopingnummer",
      "Doping number",
      "Num\xe9ro de dopage",
      "Dopingnummer"}},
    {textWhichCardKind, sizeof textWhichCardKind,
     {"Welche Sorte Kraftkarte m\xf6" "chten Sie erhalten?",
      "Which kind of strength card do you want to receive?",
      "Quelle sorte de la carte force voulez-vous recevoir?",
      "Wat voor soort krachtkaart wil je ontvangen?"}},
    {textWhenUseCard, sizeof textWhenUseCard,
     {"Wann m\xf6" "chten Sie die Kraftkarte einsetzen?",
      "When do you want to use the card?",
      "Quand vous-voulez miser la carte force?",
      "Wanneer wil je de krachtkaart inzetten?"}},
    {textNoStrengthCard, sizeof textNoStrengthCard,
     {"Sie haben keine verf\xfcgbaren Kraftkarten",
      "You do not have an available strength card",
      "Pas de carte force disponible",
      "Je hebt geen beschikbare krachtkaarten"}},
    {textDopingControl, sizeof textDopingControl,
     {"Dopingkontrolle",
      "Doping control",
      "Contr\xf4le antidopage",
      "Dopingcontrole"}},
    {textDrawnNumbers, sizeof textDrawnNumbers,
     {"Gezogene Nummern",
      "Drawn numbers",
      "Num\xe9ros tir\xe9s",
      "Getrokken nummers"}},
    {textCyclistsCaught, sizeof textCyclistsCaught,
     {"Ertappte(r) Radfahrer:",
      "Cyclist(s) caught:",
      "Coureur(s) surpris",
      "Betrapte renner(s):"}},
    {textCountercheck, sizeof textCountercheck,
     {"Gegenprobe",
      "Countercheck",
      "Contre-expertise",
      "Contra expertise"}},
    {textDraw, sizeof textDraw,
     {"Ziehung",
      "Draw",
      "Tirage",
      "Trekking"}},
    {textDopingNumberOfCyclist, sizeof textDopingNumberOfCyclist,
     {"Dopingnummer des Radfahrers",
      "Doping number of cyclist",
      "Num\xe9ro de dopage du coureur",
      "Dopingnummer van renner"}},
    {textCyclist, sizeof textCyclist,
     {"Radfahrer",
      "Cyclist",
      "Coureur",
      "Wielrenner"}},
    {textAcquitted, sizeof textAcquitted,
     {"freigesprochen",
      "acquitted",
      "acquitt\xe9",
      "vrijgesproken"}},
    {textDisqualificationConfirmed, sizeof textDisqualificationConfirmed,
     {"definitiv disqualifiziert",
      "disqualification confirmed",
      "disqualification confirm\xe9" "e",
      "definitief gediskwalificeerd"}},
    {textComputerPlayer, sizeof textComputerPlayer,
     {"Computerspieler",
      "Computer player",
      "Ordinateur",
      "Computerspeler"}},
    {textEnableEventCards, sizeof textEnableEventCards,
     {"Mit Chancekarten spielen",
      "Enable event cards",
      "Avec cartes chance",
      "Met kanskaarten spelen"}},
    {textAnd, sizeof textAnd,
     {"und",
      "and",
      "et",
      "en"}},
};

constexpr size_t textLength(const char* text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

// Each buffer must hold the longest of its four texts with the zero.
constexpr bool everyTextFits() {
  for (const CharLabel& label : charLabels) {
    for (const char* text : label.texts) {
      if (textLength(text) >= label.size) return false;
    }
  }
  return true;
}
static_assert(everyTextFits(), "a label text is longer than its buffer");

const StringLabel stringLabels[] = {
    {&textContinueExistingRace,
     {"Weitergehen mit einem Rennen",
      "Continue existing race",
      "Continuer existing race",
      "Verdergaan met wedstrijd"}},
    {&textStandingsWrittenTo,
     {"Spielstand gespeichert in ",
      "Standings written to ",
      "Le score est enregistr\xe9 dans ",
      "Stand opgeslagen in "}},
    {&textCouldNotBeOpened,
     {" konnte nicht ge\xf6" "ffnet werden.",
      " could not be opened.",
      " ne peut pas \xeatre ouvert.",
      " kan niet worden geopend."}},
    {&textFileAlreadyOpened,
     {"Vielleicht ist die Datei schon ge\xf6" "ffnet.",
      "File probably already opened.",
      "Probablement le fichier est d\xe9j\xe0 ouvert.",
      "Mogelijk is het bestand al geopend."}},
    {&textMultipleStages,
     {"Mehrere Etappen",
      "Multiple stages",
      "Plusieurs \xe9tapes",
      "Meerdere etappes"}},
    {&textSingleStage,
     {"Einzelne Etappe",
      "Single stage",
      "\xc9tape individuelle",
      "Losse wedstrijd"}},
    {&textRaceName,
     {"Name des Rennens",
      "Race name",
      "Le nom de tour",
      "Naam wedstrijd"}},
    {&textStageWord,
     {"Etappe ",
      "stage ",
      "\xe9tape ",
      "etappe "}},
    {&textStandings,
     {"Stand ",
      "Standings ",
      "Classement ",
      "Stand "}},
    {&textResult,
     {"Ergebnis ",
      "Result ",
      "R\xe9sultat ",
      "Uitslag "}},
    {&textGeneralAfterStage,
     {"Gesamtwertung nach Etappe ",
      "General classification after stage ",
      "Classement g\xe9n\xe9ral apr\xe8s l'\xe9tape ",
      "Algemeen klassement na etappe "}},
    {&textGeneral,
     {"Gesamt",
      "General",
      "G\xe9n\xe9ral",
      "Algemeen"}},
    {&textStageTab,
     {"Etappe",
      "Stage",
      "\xc9tape",
      "Etappe"}},
    {&textEnterPlayerName,
     {"Geben Sie einen Namen ein f\xfcr den Spieler %d",
      "Enter a name for player %d",
      "Entrez un nom pour le joueur %d",
      "Voer een naam voor speler %d in"}},
    {&textEnterARaceName,
     {"Geben Sie einen Namen des Rennens ein",
      "Enter a race name",
      "Entrez un nom de tour",
      "Voer een wedstrijdnaam in"}},
    {&textRaceNameExists,
     {"Der Rennenname \"%s\" besteht bereits",
      "Race name \"%s\" already exists",
      "Le nom de tour \"%s\" existe d\xe9j\xe0",
      "Wedstrijdnaam \"%s\" bestaat al"}},
    {&textRetry,
     {"Wiederholen",
      "Retry",
      "R\xe9" "essayer",
      "Opnieuw"}},
    {&textAbort,
     {"Abbrechen",
      "Abort",
      "Abandonner",
      "Afbreken"}},
    {&textCouldNotSaveRace,
     {"Konnte das Rennen nicht speichern in ",
      "Could not save the race in ",
      "Le tour ne peut pas \xeatre enregistr\xe9 dans ",
      "Kan de ronde niet opslaan in "}},
    {&textCreditLine,
     {"Ein Brettspiel vom Stra\xdf" "enradsport, f\xfcr den PC 2004-2026",
      "A board game of road racing, for the PC 2004-2026",
      "Un jeu de plateau de course cycliste sur route, pour le PC 2004-2026",
      "Een bordspel over het wegwielrennen, voor de pc 2004-2026"}},
};

// A team name equals a text when its bytes up to the terminating zero, or
// all 13 of them when the zero is missing, are that text.
bool teamNameIs(const char* name, const char* text) {
  size_t length = std::strlen(text);
  return length < TEAM_NAME_SIZE && std::memcmp(name, text, length) == 0 && name[length] == 0;
}

void renameDefaultTeams(int languageNumber) {
  for (int team = 0; team < 4; ++team) {
    char* name = teamNames[team];
    bool rename = name[0] == 0;
    for (int other = 0; other < LANGUAGE_COUNT && !rename; ++other) {
      rename = teamNameIs(name, defaultTeamNames[other][team]);
    }
    if (rename) {
      std::memset(name, 0, TEAM_NAME_SIZE);
      std::strncpy(name, defaultTeamNames[languageNumber][team], TEAM_NAME_SIZE - 1);
    }
  }
}

}  // namespace

const int8_t hotKeyIndices[HOTKEY_COUNT][LANGUAGE_COUNT] = {
    // German, English, French, Dutch
    {0, 0, 0, 0},    // HOTKEY_FOOTER_SCORECARD   S S S S
    {0, 0, 0, 0},    // HOTKEY_FOOTER_POSITIONS   P P P P
    {0, 1, 1, 0},    // HOTKEY_FOOTER_SETTINGS    E E A I
    {1, 0, 0, 1},    // HOTKEY_FOOTER_QUIT        U Q Q T
    {0, 0, 1, 1},    // HOTKEY_DOPING             D D O O
    {0, 0, 0, 0},    // HOTKEY_THROW              W T J G
    {0, 0, 1, 0},    // HOTKEY_NEXT_TEAM          N N U V
    {0, 0, 0, 0},    // HOTKEY_BREAKAWAY          A B D D
    {0, 0, 0, 0},    // HOTKEY_YES                J Y O J
    {0, 0, 0, 0},    // HOTKEY_NO                 N N N N
    {0, 0, 2, 0},    // HOTKEY_BLUE               B B E B
    {0, 0, 2, 0},    // HOTKEY_WHITE              W W A W
    {-1, 0, 0, 0},   // HOTKEY_IMMEDIATELY        - I T D (no German key)
    {-1, 0, 0, 0},   // HOTKEY_LATER              - L P L (no German key)
    {0, 0, 0, 0},    // HOTKEY_RETRY              W R R O
    {0, 0, 0, 0},    // HOTKEY_ABORT              A A A A
    {1, 0, 1, 0},    // HOTKEY_MENU_LANGUAGE      P L H T
    {0, 0, 0, 0},    // HOTKEY_MENU_MANUAL        A M N H
    {0, 2, 0, 0},    // HOTKEY_MENU_SETTINGS      E T P I
    {0, 0, 3, 0},    // HOTKEY_MENU_CONTINUE      W C T V
    {0, 0, 0, 0},    // HOTKEY_MENU_START         S S C S
    {0, 0, 0, 0},    // HOTKEY_MENU_EXIT          B E F E
    {0, 0, 0, 0},    // HOTKEY_USE_SAVED_COURSE   G U U O
    {0, 0, 0, 0},    // HOTKEY_CREATE_NEW_COURSE  N C C N
    {0, 0, 0, 0},    // HOTKEY_BACK_COURSES       Z B R T
    {0, 0, 0, 0},    // HOTKEY_UNDO_SECTION       V P P V
    {0, 0, 0, 0},    // HOTKEY_ADD_SECTION        H A A T
    {1, 0, 0, 1},    // HOTKEY_STANDINGS_QUIT     U Q Q T
    {1, 1, 1, 1},    // HOTKEY_EXPORT             X X X X
    {0, 0, 0, -1},   // HOTKEY_GENERAL_TAB        G G G T ("Algemeen" has no T)
    {0, 0, 0, 0},    // HOTKEY_STAGE_TAB          E S E E
    {0, 0, 0, 0},    // HOTKEY_SAVED_RACES_SCORECARD S S S S
    {0, 0, 0, 0},    // HOTKEY_SAVED_RACES_BACK   Z B R T
};

int hotKeyOf(int button) {
  if (button < 0 || button >= HOTKEY_COUNT || language >= LANGUAGE_COUNT) return -1;
  return hotKeyIndices[button][language];
}

char hotKeyLetter(const char* label, int button) {
  int index = hotKeyOf(button);
  if (label == nullptr || index < 0) return 0;
  for (int i = 0; i < index; ++i)
    if (label[i] == 0) return 0;
  return toLowerAscii(label[index]);
}

void setLanguageTexts() {
  int chosen = language;
  if (chosen < LANGUAGE_COUNT) {
    for (const CharLabel& label : charLabels) {
      std::memset(label.buffer, 0, label.size);
      std::strncpy(label.buffer, label.texts[chosen], label.size - 1);
    }
    for (const StringLabel& label : stringLabels) *label.label = label.texts[chosen];
    renameDefaultTeams(chosen);
    if (chosen == LANGUAGE_DUTCH) std::memset(raceName, 0, sizeof raceName);
    const char* manual = manualForLanguage(chosen);
    std::memset(manualText, 0, sizeof manualText);
    std::strncpy(manualText, manual, sizeof manualText - 1);
  }
  if (drawAreaWidth > 0) paginateManual();
}
