#include "rules/event_deck.h"

#include <cstring>

#include "rules/race_state.h"
#include "texts/language_texts.h"

unsigned char eventDeckOrder[EVENT_CARD_COUNT];
unsigned char eventCardIndex = 0;
char eventCardTitle[EVENT_CARD_COUNT][EVENT_TITLE_LINES][EVENT_TITLE_SIZE];
char eventCardEffect[EVENT_CARD_COUNT][EVENT_EFFECT_LINES][EVENT_EFFECT_SIZE];

namespace {

// The card texts by language number: German, English, French, Dutch.
// Latin-1 letters are written as escapes; where a letter after an escape
// would read as a further hex digit, the literal is split.
struct CardTitle {
  const char* lines[LANGUAGE_COUNT][EVENT_TITLE_LINES];
};

// Title lines by card number; a missing line stays empty.
constexpr CardTitle cardTitles[EVENT_CARD_COUNT] = {
    {{{"Reifenpanne!"},
      {"a flat tire!"},
      {"crevaison!"},
      {"lek!"}}},  // 0
    {{{"ein Reifen ist geplatzt;"},
      {"a tire is being torn", "to shreds;"},
      {"un pneu tombe en loques;"},
      {"daar gaat een", "bandje aan flarden;"}}},  // 1
    {{{"Sie m\xfcssen einen Gang", "zur\xfc" "ckschalten;"},
      {"changing gear", "for a moment;"},
      {"r\xe9trograder un instant;"},
      {"even een ander", "wieltje steken;"}}},  // 2
    {{{"die Speichen", "sausen Ihnen um die Ohren;"},
      {"the spokes", "are flying about your ears;"},
      {"les rayons sifflaient", "\xe0 vos oreilles;"},
      {"de spaken", "vliegen om je oren;"}}},  // 3
    {{{"jetzt m\xfcssen Sie leiden;"},
      {"you have to bear up awhile;"},
      {"vous devez souffrir", "un instant;"},
      {"je moet even afzien;"}}},  // 4
    {{{"Sie \xfc" "bersch\xe4tzen Ihre Kr\xe4" "fte;"},
      {"you have hit the wall;"},
      {"vous avez un coup de pompe;"},
      {"je ontmoet de man", "met de hamer;"}}},  // 5
    {{{"Sie kommen \xfc" "berhaupt", "nicht voran;"},
      {"you are completely stuck;"},
      {"vous \xeates coinc\xe9;"},
      {"je zit zo vast als een huis;"}}},  // 6
    {{{"alle Kraft verl\xe4sst", "Ihre Beine;"},
      {"all strength", "flows away from your legs;"},
      {"toute la force", "s'\xe9" "coule de vos jambes;"},
      {"alle kracht", "vloeit uit de beentjes weg;"}}},  // 7
    {{{"Sie haben ein Furunkel", "so gro\xdf wie ein Taubenei;"},
      {"you have a boil", "as large as a pigeon egg;"},
      {"vous avez un furoncle aussi", "grand qu'un oeuf de pigeon;"},
      {"je hebt een steenpuist", "zo groot als een duivenei;"}}},  // 8
    {{{"Sie haben keine Moral mehr;"},
      {"you are", "completely demoralized;"},
      {"vous \xeates", "compl\xe8tement d\xe9moralis\xe9;"},
      {"je hebt totaal", "geen moraal meer;"}}},  // 9
    {{{"ein schwerer Sturz;"},
      {"a heavy fall;"},
      {"une vilaine chute;"},
      {"een zware val;"}}},  // 10
    {{{"Sie sind v\xf6llig am Ende;"},
      {"you are exhausted;"},
      {"vous \xeates \xe9puis\xe9;"},
      {"je zit volledig kapot;"}}},  // 11
    {{{"Sie verursachen", "einen Sturz!"},
      {"you cause", "a crash!"},
      {"vous provoquez une chute!"},
      {"je veroorzaakt", "een valpartij!"}}},  // 12
    {{{"Sie verursachen einen", "Massensturz!"},
      {"you cause a", "a massive crash!"},
      {"vous provoquez", "une chute massive!"},
      {"je veroorzaakt een", "massale valpartij!"}}},  // 13
    {{{"Sie verursachen einen", "Massensturz;"},
      {"you cause", "a massive crash;"},
      {"vous provoquez", "une chute massive."},
      {"je veroorzaakt", "een massale valpartij;"}}},  // 14
    {{{"Sie haben heute eine", "unglaublich hohe Moral;"},
      {"you are", "very motivated today;"},
      {"vous \xeates", "tr\xe8s motiv\xe9 aujourd'hui;"},
      {"je hebt vandaag", "geweldig veel moraal;"}}},  // 15
    {{{"mysteri\xf6se Kr\xe4" "fte;"},
      {"mysterious forces;"},
      {"forces myst\xe9rieuses;"},
      {"mysterieuze krachten", "in de sport;"}}},  // 16
    {{{"Sie haben eine", "erstklassige Tagesform;"},
      {"you are in top form today;"},
      {"vous \xeates", "en pleine forme aujourd'hui;"},
      {"je hebt de vorm van de dag;"}}},  // 17
    {{{"jetzt legen Sie los!"},
      {},
      {},
      {"je brengt de wagen", "aan het rollen;"}}},  // 18
    {{{},
      {},
      {},
      {"er gaat maar eens", "wat extra vet in de broek;"}}},  // 19
    {{{"Sie fahren m\xfchelos", "im h\xf6" "chsten Gang;"},
      {"your legs are", "like pistons;"},
      {"vos jambes", "sont comme des pistons;"},
      {"je krijgt de beentjes", "voortreffelijk rond vandaag;"}}},  // 20
    {{{"es l\xe4uft wie am Schn\xfcrchen;"},
      {"on the pedals;"},
      {"sur les p\xe9" "dales;"},
      {"op de pedalen;"}}},  // 21
    {{{"ein Ausrei\xdfversuch!"},
      {"a breakaway!"},
      {"un d\xe9marrage!"},
      {"een demarrage!"}}},  // 22
    {{{"Ihre Frau und Kinder", "stehen am Stra\xdf" "enrand;"},
      {"your wife and children are", "standing along the roadside;"},
      {"votre femme et vos enfants", "se trouvent le long de route;"},
      {"je vrouw en kinderen staan", "langs de kant van de weg;"}}},  // 23
    {{{"Sie fahren", "durch Ihre Heimat;"},
      {"you go through", "your hometown;"},
      {"vous traversez", "votre ville natale;"},
      {"je rijdt", "door je geboortestreek;"}}},  // 24
    {{{"Sie schalten", "in einen h\xf6heren Gang;"},
      {"you are going", "to use a larger tooth;"},
      {"vous allez utiliser", "une plus grande vitesse;"},
      {"je steekt", "een groter tandje;"}}},  // 25
    {{{"ein echter Tempobolzer;"},
      {"a fast rider;"},
      {"un coureur rapide;"},
      {"een echte tempobeul;"}}},  // 26
    {{{"Sie spurten davon;"},
      {"you are off;"},
      {"vous vous \xe9" "chappez", "du peloton;"},
      {"je gaat er", "maar eens vandoor;"}}},  // 27
    {{{"eine massive", "Tempoversch\xe4rfung;"},
      {"a sharp breakaway;"},
      {"un d\xe9marrage violent;"},
      {"een felle demarrage;"}}},  // 28
    {{{"Sie sind zu verschwenderisch", "mit Ihren Kr\xe4" "ften;"},
      {"you waste your strength;"},
      {"vous gaspillez vos forces;"},
      {"je smijt aardig", "met je krachten;"}}},  // 29
};

// Effects by group of cards: every card from firstCard to lastCard does the
// same and shows the same lines, which say what it does.
struct CardEffectGroup {
  int firstCard;
  int lastCard;
  EventEffect effect;
  const char* lines[LANGUAGE_COUNT][EVENT_EFFECT_LINES];
};

constexpr CardEffectGroup cardEffectGroups[] = {
    {0, 4, {EFFECT_SIT_OUT, 1, 0, false},
     {{"1 Runde aussetzen", "oder eine Kraft abgeben."},
      {"skip 1 turn", "or hand in one strength card."},
      {"passez 1 tour", "ou remettez une carte force."},
      {"1 beurt overslaan", "of een kracht inleveren."}}},
    {5, 11, {EFFECT_SIT_OUT, 2, 0, false},
     {{"2 Runden aussetzen", "oder f\xfcr jede Runde", "eine Kraft abgeben."},
      {"skip 2 turns", "or hand in one strength card", "for each turn."},
      {"passez 2 tours", "ou remettez une carte force", "pour chaque tour."},
      {"2 beurten overslaan", "of voor elke beurt", "een kracht inleveren."}}},
    {12, 13, {EFFECT_CRASH, 0, 0, false},
     {{"alle Beteiligten", "1 Runde aussetzen", "oder eine Kraft abgeben."},
      {"all riders involved", "skip 1 turn", "or hand in one strength card."},
      {"tous les coureurs impliqu\xe9s", "passez 1 tour", "ou remettez une carte force."},
      {"alle betrokkenen", "1 beurt overslaan", "of een kracht inleveren."}}},
    {14, 14, {EFFECT_CRASH, 2, 0, false},
     {{"der Verursacher:", "2 Runden aussetzen,", "die anderen Opfer:", "1 Runde oder f\xfcr jede Runde", "eine Kraft abgeben."},
      {"the perpetrator:", "skip 2 turns,", "the other victims:", "1 turn or hand in", "one strength card for each turn."},
      {"l'auteur:", "passez 2 tours,", "les autres victimes:", "1 tour ou remettez une", "carte force pour chaque tour."},
      {"de veroorzaker:", "2 beurten overslaan,", "de andere slachtoffers:", "1 beurt of voor elke beurt", "een kracht inleveren."}}},
    {15, 17, {EFFECT_EXTRA_CARD, 0, 0, false},
     {{"1 zus\xe4tzliche Kraftkarte", "f\xfcr diesen Radfahrer."},
      {"1 additional strength card", "for this rider."},
      {"1 force suppl\xe9mentaire", "pour ce coureur."},
      {"1 kracht extra", "voor deze renner."}}},
    {18, 20, {EFFECT_EXTRA_DIE, 0, 0, false},
     {{"w\xfcrfeln Sie", "mit 1 W\xfcrfel zus\xe4tzlich."},
      {"throw 1 extra die."},
      {"jettez 1 d\xe9 suppl\xe9mentaire."},
      {"gooi met 1 dobbelsteen extra."}}},
    {21, 21, {EFFECT_BONUS_SQUARES, 0, 2, false},
     {{"2 Schritte extra."},
      {"2 additional spaces."},
      {"2 cases suppl\xe9mentaires."},
      {"2 vakjes extra."}}},
    {22, 22, {EFFECT_BONUS_SQUARES, 0, 2, true},
     {{"2 Schritte extra", "und folgen nicht erlaubt."},
      {"2 additional spaces", "and no drafting allowed."},
      {"2 cases suppl\xe9mentaires", "et interdit de suivre."},
      {"2 vakjes extra", "en volgen niet toegestaan."}}},
    {23, 24, {EFFECT_BONUS_SQUARES, 0, 3, false},
     {{"3 Schritte extra."},
      {"3 additional spaces."},
      {"3 cases suppl\xe9mentaires."},
      {"3 vakjes extra."}}},
    {25, 26, {EFFECT_BONUS_SQUARES, 0, 4, false},
     {{"4 Schritte extra."},
      {"4 additional spaces."},
      {"4 cases suppl\xe9mentaires."},
      {"4 vakjes extra."}}},
    {27, 28, {EFFECT_BONUS_SQUARES, 0, 4, true},
     {{"4 Schritte extra", "und folgen nicht erlaubt."},
      {"4 additional spaces", "and no drafting allowed."},
      {"4 cases suppl\xe9mentaires", "et interdit de suivre."},
      {"4 vakjes extra", "en volgen niet toegestaan."}}},
    {29, 29, {EFFECT_HAND_IN_FOR_BONUS, 0, HAND_IN_BONUS_SQUARES, false},
     {{"4 Schritte extra,", "aber 1 Kraft abgeben."},
      {"4 additional spaces,", "but hand in 1 strength card."},
      {"4 cases suppl\xe9mentaires,", "mais remettez 1 carte force."},
      {"4 vakjes extra,", "maar wel 1 kracht inleveren."}}},
};

constexpr size_t textLength(const char* text) {
  size_t length = 0;
  while (text != nullptr && text[length] != 0) length++;
  return length;
}

// Every line must fit its buffer with the terminating zero, and every card
// must get its effect lines from exactly one group.
constexpr bool cardTextsFit() {
  for (const CardTitle& title : cardTitles)
    for (int l = 0; l < LANGUAGE_COUNT; l++)
      for (int line = 0; line < EVENT_TITLE_LINES; line++)
        if (textLength(title.lines[l][line]) >= EVENT_TITLE_SIZE) return false;
  int groupOfCard[EVENT_CARD_COUNT] = {};
  for (const CardEffectGroup& group : cardEffectGroups) {
    if (group.firstCard < 0 || group.lastCard >= EVENT_CARD_COUNT) return false;
    for (int card = group.firstCard; card <= group.lastCard; card++) groupOfCard[card]++;
    for (int l = 0; l < LANGUAGE_COUNT; l++)
      for (int line = 0; line < EVENT_EFFECT_LINES; line++)
        if (textLength(group.lines[l][line]) >= EVENT_EFFECT_SIZE) return false;
  }
  for (int count : groupOfCard)
    if (count != 1) return false;
  return true;
}
static_assert(cardTextsFit(), "an event card text is too long for its line or a card lacks effects");

// Copies a text into a zeroed line buffer; a text longer than the buffer is
// cut so the line always keeps its terminating zero.
void copyLine(char* line, size_t size, const char* text) {
  if (text == nullptr) return;
  size_t length = std::strlen(text);
  if (length > size - 1) length = size - 1;
  std::memcpy(line, text, length);
  line[length] = 0;
}

void fillCardTexts(int languageNumber) {
  for (int card = 0; card < EVENT_CARD_COUNT; card++)
    for (int line = 0; line < EVENT_TITLE_LINES; line++)
      copyLine(eventCardTitle[card][line], EVENT_TITLE_SIZE,
               cardTitles[card].lines[languageNumber][line]);
  for (const CardEffectGroup& group : cardEffectGroups)
    for (int card = group.firstCard; card <= group.lastCard; card++)
      for (int line = 0; line < EVENT_EFFECT_LINES; line++)
        copyLine(eventCardEffect[card][line], EVENT_EFFECT_SIZE,
                 group.lines[languageNumber][line]);
}

}  // namespace

const EventEffect& eventEffectOf(int card) {
  for (const CardEffectGroup& group : cardEffectGroups)
    if (card >= group.firstCard && card <= group.lastCard) return group.effect;
  return cardEffectGroups[sizeof cardEffectGroups / sizeof cardEffectGroups[0] - 1].effect;
}

void buildEventDeck() {
  for (int i = 0; i < EVENT_CARD_COUNT; i++) eventDeckOrder[i] = static_cast<unsigned char>(i);
  for (int i = 0; i < EVENT_CARD_COUNT; i++) {
    int j = randomBelow(EVENT_CARD_COUNT);
    unsigned char card = eventDeckOrder[i];
    eventDeckOrder[i] = eventDeckOrder[j];
    eventDeckOrder[j] = card;
  }
  std::memset(eventCardTitle, 0, sizeof eventCardTitle);
  std::memset(eventCardEffect, 0, sizeof eventCardEffect);
  if (language < LANGUAGE_COUNT) fillCardTexts(language);
}

int drawEventCard() {
  eventCardIndex = static_cast<unsigned char>((eventCardIndex + 1) % EVENT_CARD_COUNT);
  return eventDeckOrder[eventCardIndex];
}

int currentEventCard() {
  return eventDeckOrder[eventCardIndex % EVENT_CARD_COUNT];
}
