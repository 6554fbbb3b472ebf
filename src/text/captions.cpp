// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/captions.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace lexora {

namespace {

// One caption key with its text in English, Hungarian, Spanish and French (the order of the offsets).
struct CaptionRow {
    int key;
    const char* text[4];
};

constexpr int languageCount = 4;
constexpr int languageStride = 100; // distance between the offsets of two neighbouring languages

// Each text is exact, character for character: the ampersand marks the access key, and the irregular spacing,
// punctuation and spelling of a few entries belong to the text, so nothing here is to be "tidied".
constexpr CaptionRow rows[] = {
    {0, {u8"&OK", u8"&OK", u8"&ACEPTAR", u8"&OK"}},
    {1, {u8"&EXIT", u8"KILÉ&P", u8"&SALIR", u8"&QUITTER"}},
    {2, {u8"&Start", u8"St&art", u8"E&mpezar", u8"Dé&marrage"}},
    {3, {u8"Re&start", u8"Újra kez&d", u8"Ree&mpezar", u8"Redé&marrage"}},
    {4, {u8"&Close", u8"&Bezár", u8"Cerr&ar", u8"&Fermer"}},
    {5, {u8"&Next", u8"Kö&vetkező", u8"Si&guiente", u8"&Suivant"}},
    {6, {u8"S&olution", u8"&Megoldás", u8"&Solución", u8"S&olution"}},
    {7, {u8"&First", u8"&Első", u8"&Primero", u8"&Début"}},
    {8, {u8"&Previous", u8"Elő&ző", u8"P&recedente", u8"&Précédent"}},
    {9, {u8"Ne&xt", u8"&Következő", u8"S&iguiente", u8"Sui&vant"}},
    {10, {u8"&Last", u8"&Utolsó", u8"&Último", u8"&Fin"}},
    {11, {u8"E&valuation", u8"Értéke&lés", u8"&Evaluación", u8"Éval&uation"}},
    {12, {u8"Ne&w", u8"Ú&j", u8"&Nuevo", u8"&Nouveau"}},
    {13, {u8"Fin&d first", u8"Kere&s (első)", u8"&Buscar (primero)", u8"&Rechercher"}},
    {14, {u8"F&ind next", u8"Ke&res (következő)", u8"Bus&car (siguiente)", u8"Rechercher suivan&t"}},
    {15, {u8"Del&ete", u8"&Töröl", u8"&Anular", u8"&Effacer"}},
    {16, {u8"C&ancel", u8"&Mégsem", u8"Canc&elar", u8"A&nnuler"}},
    {25, {u8"&Help", u8"&Súgó", u8"A&yuda", u8"&Aide"}},
    {26, {u8"Tas&ks", u8"Üzemmó&d", u8"Ac&tividad", u8"Ac&tivités"}},
    {27, {u8"Settin&gs", u8"&Beállítások", u8"&Opciones", u8"&Options"}},
    {28, {u8"&Working language...", u8"&Munkanyelv...", u8"&Lengua de trabajo...", u8"&Langue de travail..."}},
    {29, {u8"&How to...", u8"&Hogyan...", u8"&Cómo...", u8"&Comment ..."}},
    {30, {u8"&About...", u8"&Névjegy...", u8"&Acerca de...", u8"&À propos de ..."}},
    {31, {u8"&Practice", u8"&Gyakorlás", u8"&Ejercicio", u8"&Exercice"}},
    {32, {u8"&Test", u8"&Teszt", u8"&Test", u8"&Test"}},
    {33, {u8"&Database", u8"&Adatbázis", u8"&Base de datos", u8"&Base de données"}},
    {34, {u8"&Parameters...", u8"&Paraméterek...", u8"&Parámetros...", u8"&Paramètres..."}},
    {35, {u8"&Number of sentences...", u8"&Mondatszám...", u8"&Número de oraciones...", u8"&Nombre des phrases..."}},
    {36, {u8"&Delay...", u8"Vá&rakozás...", u8"&Tiempo disponible...", u8"&Secondes d'attente..."}},
    {37, {u8"&Level...", u8"&Szint...", u8"&Nivel...", u8"Ni&veau..."}},
    {38, {u8"&Starting point...", u8"&Kezdőpont...", u8"P&unto de partida...", u8"&Point de départ..."}},
    {39, {u8"&Options", u8"&Egyéb", u8"&Otros", u8"&Options"}},
    {40, {u8"&Fonts...", u8"&Betűtípusok...", u8"&Fuentes", u8"&Polices..."}},
    {41, {u8"Topi&cs", u8"&Téma", u8"&Tema", u8"S&ujet"}},
    {42, {u8"&Verbs", u8"&Ige", u8"&Verbo", u8"&Verbes"}},
    {43, {u8"Use o&f tenses", u8"Igeid&ők használata", u8"Us&o de los tiempos verbales", u8"Tem&ps verbaux"}},
    {44, {u8"Au&xiliaries", u8"Seg&édigék", u8"Verbo &auxiliares", u8"Ver&bes auxiliaires"}},
    {45,
     {u8"Fa&ctitive structures", u8"Mű&veltető szerkezetek", u8"Estructuras &factitivas", u8"Structures &factitives"}},
    {46, {u8"&Modals", u8"Mód&beli segédigék", u8"Verbo&s auxiliares modales", u8"Verbes auxiliaires &modaux"}},
    {47,
     {u8"Infinitive/&Gerund/Participle", u8"I&genevek", u8"Inf&initivo/Gerundio/Participio",
      u8"Infinitif/&Gerondif/Participe"}},
    {48, {u8"P&hrasal verbs", u8"E&löljárószós igék", u8"Ve&rbos preposicionales", u8"Verbes ave&c des particules"}},
    {49, {u8"Vocabular&y", u8"Le&xika", u8"Voca&bulario", u8"&Lexique"}},
    {50, {u8"&Nouns", u8"&Főnév", u8"&Nombre", u8"Nom&s"}},
    {51, {u8"&Adjectives", u8"M&elléknév", u8"Ad&jetivo", u8"&Adjectives"}},
    {52, {u8"A&dverbials", u8"&Határozó", u8"A&dverbio", u8"A&dverbes"}},
    {53, {u8"&Quantity", u8"Menn&yiség", u8"Can&tidad", u8"&Quantité"}},
    {54, {u8"Lin&king words", u8"Kö&tőszó", u8"Conj&unción", u8"Con&jonctions"}},
    {55, {u8"Pr&onouns", u8"Névmá&s", u8"Prono&mbre", u8"Pr&onoms"}},
    {56, {u8"Pr&epositions", u8"Elöljá&rószó", u8"Preposi&ción", u8"Préposi&tions"}},
    {57, {u8"Nega&tion", u8"T&agadás", u8"Ne&gación", u8"&Négation"}},
    {58, {u8"&Word order", u8"Szóren&d", u8"&Orden de palabras", u8"Ordr&e des mots"}},
    {59, {u8"&Idioms", u8"Kifeje&zések", u8"Frases &hechas", u8"Tourn&ures"}},
    {60, {u8"Tasks:", u8"Üzemmód:", u8"Actividades:", u8"Activités:"}},
    {61, {u8"Level:", u8"Szint:", u8"Nivel:", u8"Niveau:"}},
    {62, {u8"Topic:", u8"Téma:", u8"Tema:", u8"Sujet:"}},
    {63, {u8"Solution:", u8"Megoldás:", u8"Solución:", u8"Solution:"}},
    {64, {u8"If cla&uses", u8"Feltételes m&ondat", u8"Oraciones condiciona&les", u8"Proposi&tion conditionnelle"}},
    {65, {u8"Lexora English", u8"Lexora English", u8"Lexora English", u8"Lexora English"}},
    {66, {u8"Failed items", u8"Hibás válaszok", u8"Respuestas erróneas", u8"Erreurs"}},
    {67, {u8"Your guess was:", u8"Az ön válasza:", u8"Su respuesta ha sido:", u8"Votre choix a été:"}},
    {68, {u8"Record:", u8"Rekord:", u8"Oración número:", u8"Fiche:"}},
    {74,
     {u8"If you want to change the order of the sentences, click here and wait.",
      u8"Ha meg akarja változtatni a mondatok sorrendjét az adatbázisban, kattintson ide, és várjon!",
      u8"Si desea cambiar el orden de las oraciones en la base de datos, pulse aquí y espere.",
      u8"Si vous voulez changer l'ordre des fiches (des phrases) dans la base de données, cliquez içi."}},
    {75,
     {u8"The order of the sentences has been changed.", u8"A mondatok sorrendje megváltozott az adatbázisban.",
      u8"El orden de las oraciones ha sido cambiado en la base de datos.",
      u8"L'ordre des fiches dans la base de données a été changé."}},
    {76,
     {u8"If you want to see the record number, click here.",
      u8"Ha látni akarja az aktuális rekord sorszámát, kattintson ide.",
      u8"Si desea ver el número de orden de la oración actual, pulse aquí.",
      u8"Si vous voulez voir le numéro d'ordre de la fiche active, cliquez içi."}},
    {77,
     {u8"This is the last record.", u8"Ez az utolsó rekord.", u8"Ésta es la última oración.",
      u8"C'est la dernière fiche:"}},
    {78,
     {u8"This is the first record.", u8"Ez az első rekord.", u8"Ésta es la primera oración.",
      u8"C'est la première fiche."}},
    {79,
     {u8"This record doesn't exist. Press \"Enter\" or click the \"Next\" button again.",
      u8"Nincs ilyen sorszámú rekord. Nyomja le újra az \"Enter\" billentyűt, vagy kattintson a "
      u8"\"Következő\" gombra.",
      u8"Aquí falta una oración. Vuelva a pulsar \"Enter\" , o hacer click sobre el botón  \"Siguiente\" .",
      u8"Cette fiche n'existe pas. Pressez \"Enter\" ou cliquez de nouveau sur le bouton \"Suivant\"."}},
    {80,
     {u8"You have reached the last record. Unless you change the settings (Settings: Level/Topic), "
      u8"change the task (Tasks: Test) or close the task (Close), this exercise is going to restart.",
      u8"Ez volt az utolsó rekord. Ha nem változtatja meg a beállítást (Beállítások: Szint/Téma) vagy az "
      u8"üzemmódot (Üzemmód: Teszt), és nem zárja le ezt a feladatot (Bezár), a gyakorlat újra kezdődik "
      u8"elölről.",
      u8"Ésta ha sido la última oración. Si no se elige una nueva opción (Opciones: Nivel/Tema) ni otra "
      u8"actividad (Actividades: Test), y no se cierra esta actividad (Cerrar), el ejercicio va a "
      u8"reiniciarse.",
      u8"Vous venez d'atteindre la dernière fiche. À moins que vous ne changiez d'option (Options: "
      u8"Niveau/Sujet/Point de départ) ou d'activité (Activité: Test), ou vous ne quittiez cette "
      u8"activité (Fermer), on va recommencer l'exercice par la première fiche."}},
    {81,
     {u8"The record number is:", u8"Az aktuális rekord száma:", u8"El número de la oración actual es:",
      u8"C'est la fiche numéro:"}},
    {82,
     {u8"No match. Choose other topic.", u8"Nincs ilyen mondat. Válasszon másik témát!",
      u8"No hay oraciones de este tipo. Elija otro tema.",
      u8"Il n'y a pas de phrases sur ce sujet. Choisissez un autre.."}},
    {83,
     {u8"If you want to see the items you failed to answer correctly, click here.",
      u8"Ha látni akarja azokat a mondatokat, melyekre rossz megoldást adott, kattintson ide!",
      u8"Si desea ver sus respuestas erróneas, pulse aquí.", u8"Si vous voulez voir vos erreurs, cliquez içi."}},
    {84,
     {u8"You have reached the last item.", u8"Ez volt az utolsó mondat.", u8"Ésta ha sido la última oración.",
      u8"Vous venez d'atteindre la dernière fiche."}},
    {85,
     {u8"No such word/number.", u8"Nincs ilyen szó/sorszám.", u8"No hay tal palabra/número en la base de datos.",
      u8"Cette fiche n'existe pas."}},
    {86,
     {u8"Search: (You can search for the following fields: sorszam, a, b, c, d, felelet1, felelet2; the "
      u8"search string -- unless it is a number -- must be put between quotation marks.)",
      u8"Keres: (A következő mezőkre lehet keresni: sorszam, a, b, c, d, felelet1, felelet2. Ha nem "
      u8"számról van szó, a keresett elemet idézőjelek közé kell tenni.)",
      u8"Buscar: (La función búsqueda puede aplicarse en los siguientes campos: sorszam, a, b, c, d, "
      u8"felelet1, felelet2. A menos que se busque un número, el elemento buscado debe ponerse entre "
      u8"comillas.)",
      u8"Rechercher: (On peut rechercher sur les champs suivants: sorszam, a, b, c, d, felelet1, "
      u8"felelet2; le texte cherché -- à moins qu'il ne soit le numéro d'ordre de la fiche -- doit être "
      u8"mis entre gillemets.)"}},
    {87, {u8"Author:", u8"Szerző:", u8"Autor:", u8"Auteur:"}},
    {88,
     {u8"If you want to get some additional information about the software, click here:",
      u8"Ha további tájékoztatást szeretne kapni a programról, kattintson ide:",
      u8"Si desea recibir más információn sobre el programa, haga click aquí:",
      u8"Si vous voulez des information complémentaires sur le logiciel, cliquez içi:"}},
    {89, {u8"About", u8"Névjegy", u8"Acerca de", u8"À propos de"}},
    {90, {u8"Re&lative clauses", u8"Jelzői mellé&kmondat", u8"Oraciones r&elativas", u8"Propositions &rélatives"}},
    {91, {u8"Pa&ssive voice", u8"Sze&nvedő szerkezet", u8"Vo&z pasiva", u8"Voi&x passive"}},
    {92, {u8"Rep&orted speech", u8"Fü&ggő beszéd", u8"Oraciones indirectas", u8"Propositions indirectes"}},
    {93, {u8"Compa&rative structures", u8"Hasonl&ító szerkezetek", u8"Comparación", u8"Structures comparatives"}},
};

constexpr bool isGap(int key) {
    return (key >= 17 && key <= 24) || (key >= 69 && key <= 73);
}

// The table is searched by binary search, so it must stay sorted, and it must hold exactly the non-gap keys.
constexpr bool rowsAreWellFormed() {
    int expected = CaptionCatalogue::firstKey;
    for (const CaptionRow& row : rows) {
        while (isGap(expected))
            ++expected;
        if (row.key != expected)
            return false;
        for (const char* text : row.text) {
            if (text == nullptr || text[0] == '\0')
                return false;
        }
        ++expected;
    }
    return expected == CaptionCatalogue::lastKey + 1;
}
static_assert(rowsAreWellFormed(), "caption rows must list every non-gap key once, in ascending order");

// Column of the language with offset `langcode`, or -1 for a value that is not an offset.
int languageColumn(int langcode) {
    const int base = LangCode::English;
    if (langcode < base || (langcode - base) % languageStride != 0)
        return -1;
    const int column = (langcode - base) / languageStride;
    return column < languageCount ? column : -1;
}

const CaptionRow* findRow(int key) {
    const auto it = std::lower_bound(std::begin(rows), std::end(rows), key,
                                     [](const CaptionRow& row, int k) { return row.key < k; });
    return (it != std::end(rows) && it->key == key) ? it : nullptr;
}

std::optional<QString> lookup(int key, int column) {
    if (key < CaptionCatalogue::firstKey || key > CaptionCatalogue::lastKey || column < 0)
        return std::nullopt;
    const CaptionRow* row = findRow(key);
    if (row == nullptr)
        return std::nullopt;
    return QString::fromUtf8(row->text[column]);
}

} // namespace

std::optional<QString> CaptionCatalogue::entry(int id) {
    // Identifiers 16-109 are English, 116-209 Hungarian, and so on; 110-115 etc. fall between the blocks.
    if (id < LangCode::English)
        return std::nullopt;
    const int column = (id - LangCode::English) / languageStride;
    if (column >= languageCount)
        return std::nullopt;
    return lookup((id - LangCode::English) % languageStride, column);
}

QString CaptionCatalogue::caption(int key, int langcode) {
    if (const std::optional<QString> text = lookup(key, languageColumn(langcode)))
        return *text;
    throw std::out_of_range("no caption for key " + std::to_string(key) + " with language offset " +
                            std::to_string(langcode));
}

} // namespace lexora
