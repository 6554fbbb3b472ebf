// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/messages.h"

#include "data/storeerror.h"
#include "text/captions.h"
#include "text/translated.h"

#include <QLocale>

#include <map>

namespace lexora::Messages {

namespace {

using Reason = StoreError::Reason;

const std::map<Id, Translated>& programTexts() {
    static const std::map<Id, Translated> texts = {
        {Id::UnexpectedError,
         {"An unexpected error occurred: %1\nThe program goes on.", "Váratlan hiba történt: %1\nA program tovább fut.",
          "Se ha producido un error inesperado: %1\nEl programa continúa.",
          "Une erreur inattendue s'est produite\u00a0: %1\nLe programme continue."}},
        {Id::UnexpectedErrorBare,
         {"An unexpected error occurred.\nThe program goes on.", "Váratlan hiba történt.\nA program tovább fut.",
          "Se ha producido un error inesperado.\nEl programa continúa.",
          "Une erreur inattendue s'est produite.\nLe programme continue."}},
        {Id::NoDatabaseChosen,
         {"No item database has been chosen.", "Nincs kiválasztva adatbázis.",
          "No se ha elegido ninguna base de datos.", "Aucune base de données n'a été choisie."}},
        {Id::DatabaseMissing,
         {"The item database \"%1\" is missing. It must be in the program's folder: %2",
          "Hiányzik a(z) „%1” adatbázis. A program mappájában kell lennie: %2",
          "Falta la base de datos «%1». Debe estar en la carpeta del programa: %2",
          "La base de données «\u00a0%1\u00a0» est introuvable. Elle doit se trouver dans le dossier du "
          "programme\u00a0: %2"}},
        {Id::NotAnItemDatabase,
         {"The file \"%1\" is not an item database. The program needs its item database \"%1\" in the program's "
          "folder: %2",
          "A(z) „%1” fájl nem a program adatbázisa. A programnak a saját mappájában kell megtalálnia a(z) „%1” "
          "adatbázist: %2",
          "El archivo «%1» no es una base de datos del programa. El programa necesita su base de datos "
          "«%1» en su propia carpeta: %2",
          "Le fichier «\u00a0%1\u00a0» n'est pas une base de données du programme. Le programme a besoin de sa base de "
          "données «\u00a0%1\u00a0» "
          "dans son propre dossier\u00a0: %2"}},
        {Id::ReshuffleFailed,
         {"The order of the sentences could not be changed; the database has been left as it was.",
          "A mondatok sorrendjét nem sikerült megváltoztatni; az adatbázis változatlan maradt.",
          "No se ha podido cambiar el orden de las oraciones; la base de datos ha quedado como estaba.",
          "L'ordre des fiches n'a pas pu être changé\u00a0; la base de données est restée telle quelle."}},
        {Id::PlaceholderMissing,
         {"The table of failed items has lost its first row, so nothing was deleted from it.",
          "A hibás válaszok táblájából hiányzik az első sor, ezért a program nem törölt belőle semmit.",
          "Falta la primera fila de la tabla de respuestas erróneas; por eso no se ha borrado nada.",
          "La première ligne de la table des erreurs manque\u00a0; rien n'a donc été effacé."}},
        {Id::NoFreeRecordNumber,
         {"Every record number from 1 to %1 is taken, so no new item can be added.",
          "Minden rekordszám foglalt 1-től %1-ig, ezért új mondat nem vehető fel.",
          "Todos los números de registro del 1 al %1 están ocupados; no se puede añadir ninguna oración nueva.",
          "Tous les numéros de fiche de 1 à %1 sont pris\u00a0; aucune nouvelle fiche ne peut être ajoutée."}},
        {Id::NoTopicForQuestion,
         {"its category names no topic, and none was chosen for it",
          "a kategóriája nem nevez meg témát, és nem választott hozzá témát",
          "su categoría no indica ningún tema y no se eligió ninguno",
          "sa catégorie ne nomme aucun sujet et aucun n'a été choisi"}},
        {Id::ControlCharacter,
         {"it holds a control character, which question files cannot carry",
          "vezérlőkaraktert tartalmaz, amelyet a kérdésfájlok nem tudnak tárolni",
          "contiene un carácter de control, que los archivos de preguntas no admiten",
          "elle contient un caractère de contrôle, que les fichiers de questions ne peuvent pas contenir"}},
        {Id::WorksheetOnDatabase,
         {"%1 is a database file; a worksheet never replaces it",
          "a fájl adatbázisfájl, ezért feladatlap nem kerülhet a helyére: %1",
          "%1 es un archivo de base de datos; una hoja de ejercicios nunca lo sustituye",
          "%1 est un fichier de base de données\u00a0; une feuille d'exercices ne le remplace jamais"}},
        {Id::WorksheetUnwritable,
         {"%1 cannot be written: %2", "a fájl nem írható (%2): %1", "no se puede escribir %1: %2",
          "%1 ne peut pas être écrit\u00a0: %2"}},
        {Id::PrinterUnusable,
         {"the printer cannot be drawn on", "a nyomtatóra nem lehet rajzolni", "no se puede dibujar en la impresora",
          "impossible de dessiner sur l'imprimante"}},
    };
    return texts;
}

const std::map<Reason, Translated>& storeTexts() {
    static const std::map<Reason, Translated> texts = {
        {Reason::FileMissing,
         {"The database file %1 does not exist.", "Az adatbázisfájl nem létezik: %1",
          "El archivo de base de datos %1 no existe.", "Le fichier de base de données %1 n'existe pas."}},
        {Reason::NotAFile, {"%1 is not a file.", "Ez nem fájl: %1", "%1 no es un archivo.", "%1 n'est pas un fichier."}},
        {Reason::CannotOpen,
         {"The database file %1 cannot be opened.", "Az adatbázisfájlt nem lehet megnyitni: %1",
          "No se puede abrir el archivo de base de datos %1.",
          "Impossible d'ouvrir le fichier de base de données %1."}},
        {Reason::TableMissing,
         {"%1 is not an item database: it has no table %2.", "A fájl nem a program adatbázisa, mert nincs benne %2 tábla: %1",
          "%1 no es una base de datos del programa: no tiene la tabla %2.",
          "%1 n'est pas une base de données du programme\u00a0: elle n'a pas de table %2."}},
        {Reason::FieldMissing,
         {"%1 is not an item database: the table %2 has no field %3.",
          "A fájl nem a program adatbázisa, mert a(z) %2 táblában nincs %3 mező: %1",
          "%1 no es una base de datos del programa: la tabla %2 no tiene el campo %3.",
          "%1 n'est pas une base de données du programme\u00a0: la table %2 n'a pas de champ %3."}},
        {Reason::NotItemDatabase,
         {"%1 is not an item database (%2).", "A fájl nem a program adatbázisa (%2): %1",
          "%1 no es una base de datos del programa (%2).", "%1 n'est pas une base de données du programme (%2)."}},
        {Reason::Damaged,
         {"%1 is not an item database: the file is damaged (%2).",
          "A fájl nem a program adatbázisa, mert megsérült (%2): %1",
          "%1 no es una base de datos del programa: el archivo está dañado (%2).",
          "%1 n'est pas une base de données du programme\u00a0: le fichier est endommagé (%2)."}},
        {Reason::ForeignObject,
         {"%1 is not an item database: it holds %2, which an item database does not have.",
          "A fájl nem a program adatbázisa, mert olyan elemet tartalmaz, amely a program adatbázisában nem lehet (%2): "
          "%1",
          "%1 no es una base de datos del programa: contiene %2, que una base de datos del programa no tiene.",
          "%1 n'est pas une base de données du programme\u00a0: elle contient %2, qu'une base de données du programme "
          "n'a pas."}},
        {Reason::MovedOrDeleted,
         {"The database file %1 has been moved or deleted while it was in use.",
          "Az adatbázisfájlt használat közben áthelyezték vagy törölték: %1",
          "El archivo de base de datos %1 ha sido movido o borrado mientras estaba en uso.",
          "Le fichier de base de données %1 a été déplacé ou supprimé pendant son utilisation."}},
        {Reason::FileReadOnly,
         {"The database file %1 cannot be written.", "Az adatbázisfájlba nem lehet írni: %1",
          "No se puede escribir en el archivo de base de datos %1.",
          "Impossible d'écrire dans le fichier de base de données %1."}},
        {Reason::FolderReadOnly,
         {"The database file %1 cannot be written (its folder cannot be written).",
          "Az adatbázisfájlba nem lehet írni, mert a mappájába nem lehet írni: %1",
          "No se puede escribir en el archivo de base de datos %1 (no se puede escribir en su carpeta).",
          "Impossible d'écrire dans le fichier de base de données %1 (son dossier est protégé en écriture)."}},
        {Reason::InUse,
         {"The database file %1 is in use by another program. Try again when it has finished.",
          "Az adatbázisfájlt egy másik program használja: %1. Próbálja újra, ha az végzett.",
          "Otro programa está usando el archivo de base de datos %1. Vuelva a intentarlo cuando haya terminado.",
          "Le fichier de base de données %1 est utilisé par un autre programme. Réessayez quand il aura terminé."}},
        {Reason::TookTooLong,
         {"The database file %1 is faulty: work on it took too long and was stopped. Nothing has been changed.",
          "Az adatbázisfájl hibás, a rajta végzett művelet túl sokáig tartott, ezért a program leállította. "
          "Semmi sem változott: %1",
          "El archivo de base de datos %1 es defectuoso: el trabajo con él tardaba demasiado y se ha detenido. "
          "No se ha cambiado nada.",
          "Le fichier de base de données %1 est défectueux\u00a0: le travail sur ce fichier durait trop longtemps et a "
          "été arrêté. Rien n'a été modifié."}},
        {Reason::EngineFailure,
         {"The database %1 failed while %2: %3.", "Az adatbázis hibát jelzett %2 (%1): %3.",
          "La base de datos %1 ha fallado al %2: %3.", "La base de données %1 a échoué %2\u00a0: %3."}},
        {Reason::ValueTaken,
         {"Another item already has this value (%1).", "Egy másik mondatnak már ez az értéke (%1).",
          "Otra oración ya tiene este valor (%1).", "Une autre fiche a déjà cette valeur (%1)."}},
        {Reason::DatabaseNotOpen,
         {"The item database %1 is not open.", "Az adatbázis nincs megnyitva: %1",
          "La base de datos %1 no está abierta.", "La base de données %1 n'est pas ouverte."}},
        {Reason::ViewNotOpen,
         {"The item view is not open.", "A nézet nincs megnyitva.", "La vista no está abierta.",
          "La vue n'est pas ouverte."}},
        {Reason::NoCurrentItem,
         {"There is no current item.", "Nincs aktuális mondat.", "No hay ninguna oración actual.",
          "Il n'y a pas de fiche courante."}},
        {Reason::ItemDeleted,
         {"The item has been deleted.", "A mondatot törölték.", "La oración ha sido borrada.",
          "La fiche a été supprimée."}},
        {Reason::NotEditing,
         {"The item is not being edited.", "A mondat szerkesztése nincs folyamatban.", "La oración no se está editando.",
          "La fiche n'est pas en cours de modification."}},
        {Reason::NoSuchTable,
         {"The database has no table \"%1\".", "Az adatbázisban nincs „%1” tábla.",
          "La base de datos no tiene la tabla «%1».", "La base de données n'a pas de table «\u00a0%1\u00a0»."}},
        {Reason::NoSuchField,
         {"The table %1 has no field \"%2\".", "A(z) %1 táblában nincs „%2” mező.", "La tabla %1 no tiene el campo «%2».",
          "La table %1 n'a pas de champ «\u00a0%2\u00a0»."}},
        {Reason::NoSuchIndex,
         {"The table %1 has no index \"%2\".", "A(z) %1 táblának nincs „%2” indexe.",
          "La tabla %1 no tiene el índice «%2».", "La table %1 n'a pas d'index «\u00a0%2\u00a0»."}},
        {Reason::NoIndexChosen,
         {"Seeking needs an index to be chosen first.", "A kereséshez előbb indexet kell választani.",
          "Para buscar hay que elegir antes un índice.", "Pour chercher, il faut d'abord choisir un index."}},
        {Reason::NotWholeNumber,
         {"The field %1 holds whole numbers from %2 to %3; \"%4\" is not one.",
          "A(z) %1 mezőbe %2 és %3 közötti egész szám kell; „%4” nem az.",
          "El campo %1 admite números enteros de %2 a %3; «%4» no lo es.",
          "Le champ %1 contient des nombres entiers de %2 à %3\u00a0; «\u00a0%4\u00a0» n'en est pas un."}},
        {Reason::TooLong,
         {"The field %1 holds at most %2 character(s); \"%3\" is longer.",
          "A(z) %1 mező legfeljebb %2 karaktert tartalmazhat; „%3” hosszabb ennél.",
          "El campo %1 admite como máximo %2 carácter(es); «%3» es más largo.",
          "Le champ %1 contient au plus %2 caractère(s)\u00a0; «\u00a0%3\u00a0» est plus long."}},
        {Reason::EmptyNumber,
         {"The field %1 must hold a whole number; it cannot be left empty.",
          "A(z) %1 mezőbe egész számot kell írni; nem maradhat üresen.",
          "El campo %1 debe contener un número entero; no puede quedar vacío.",
          "Le champ %1 doit contenir un nombre entier\u00a0; il ne peut pas rester vide."}},
        {Reason::NumberTooLarge,
         {"The item number %1 is too large.", "A mondat sorszáma túl nagy: %1",
          "El número de oración %1 es demasiado grande.", "Le numéro de fiche %1 est trop grand."}},
        {Reason::NothingSelected,
         {"No items are selected.", "Nincs kiválasztott mondat.", "No hay ninguna oración seleccionada.",
          "Aucune fiche n'est sélectionnée."}},
        {Reason::NoNumberToDraw,
         {"There is no item number to draw.", "Nincs kisorsolható sorszám.",
          "No hay ningún número de oración para sortear.", "Il n'y a aucun numéro de fiche à tirer."}},
        {Reason::NoFreePlace,
         {"There is no free place left in the sequence for item number %1.",
          "A sorrendben nem maradt szabad hely a(z) %1. sorszámú mondat számára.",
          "No queda ningún lugar libre en la secuencia para la oración número %1.",
          "Il ne reste aucune place libre dans la séquence pour la fiche numéro %1."}},
        {Reason::NoFreeValue,
         {"Every value of %1 is taken; the item cannot come back.",
          "A(z) %1 mező minden értéke foglalt, ezért a mondat nem hozható vissza.",
          "Todos los valores de %1 están ocupados; la oración no puede volver.",
          "Toutes les valeurs de %1 sont prises\u00a0; la fiche ne peut pas revenir."}},
        {Reason::BankUnreadable,
         {"The item bank %1 cannot be read.", "A mondatgyűjtemény nem olvasható: %1",
          "No se puede leer el banco de oraciones %1.", "Impossible de lire la banque de fiches %1."}},
        {Reason::CannotWrite,
         {"%1 cannot be written.", "Nem lehet írni: %1", "No se puede escribir %1.", "Impossible d'écrire %1."}},
        {Reason::UnclosedBracket,
         {"A field name in brackets has no closing bracket.",
          "Egy szögletes zárójelbe tett mezőnévnek hiányzik a záró zárójele.",
          "Falta el corchete de cierre de un nombre de campo entre corchetes.",
          "Un nom de champ entre crochets n'a pas de crochet fermant."}},
        {Reason::UnclosedQuote,
         {"A text that starts with %1 has no closing %1.", "Egy %1 jellel kezdődő szövegnek hiányzik a záró %1 jele.",
          "Un texto que empieza con %1 no tiene el %1 de cierre.", "Un texte qui commence par %1 n'a pas de %1 fermant."}},
        {Reason::MisplacedCharacter,
         {"The character \"%1\" cannot stand here.", "A(z) „%1” karakter nem állhat itt.",
          "El carácter «%1» no puede estar aquí.", "Le caractère «\u00a0%1\u00a0» ne peut pas figurer ici."}},
        {Reason::EmptyCriterion,
         {"The criterion is empty.", "A feltétel üres.", "El criterio está vacío.", "Le critère est vide."}},
        {Reason::NestedTooDeep,
         {"The criterion nests parentheses or \"Not\" more than %1 deep.",
          "A feltételben a zárójelek vagy a „Not” több mint %1 szint mélyen ágyazódnak egymásba.",
          "El criterio anida paréntesis o «Not» a más de %1 niveles.",
          "Le critère imbrique des parenthèses ou «\u00a0Not\u00a0» sur plus de %1 niveaux."}},
        {Reason::CriterionEndsEarly,
         {"The criterion ends where a field name should follow.",
          "A feltétel ott ér véget, ahol mezőnévnek kellene következnie.",
          "El criterio termina donde debería seguir un nombre de campo.",
          "Le critère s'arrête là où un nom de champ devrait suivre."}},
        {Reason::FieldNameExpected,
         {"A field name should stand where \"%1\" is.", "Mezőnévnek kellene állnia ott, ahol „%1” áll.",
          "Debería haber un nombre de campo donde está «%1».", "Un nom de champ devrait figurer à la place de «\u00a0%1\u00a0»."}},
        {Reason::ComparisonExpected,
         {"A comparison (=, <>, <, <=, >, >=) should follow \"%1\".",
          "„%1” után összehasonlításnak (=, <>, <, <=, >, >=) kell következnie.",
          "Después de «%1» debería venir una comparación (=, <>, <, <=, >, >=).",
          "Une comparaison (=, <>, <, <=, >, >=) devrait suivre «\u00a0%1\u00a0»."}},
        {Reason::NumberExpected,
         {"The field %1 holds numbers, but \"%2\" is not a number.", "A(z) %1 mező számokat tartalmaz, de „%2” nem szám.",
          "El campo %1 contiene números, pero «%2» no es un número.",
          "Le champ %1 contient des nombres, mais «\u00a0%2\u00a0» n'est pas un nombre."}},
        {Reason::QuotesMissing,
         {"The text \"%1\" must be put between quotation marks.", "A(z) „%1” szöveget idézőjelek közé kell tenni.",
          "El texto «%1» debe ir entre comillas.", "Le texte «\u00a0%1\u00a0» doit être mis entre guillemets."}},
        {Reason::ValueMissing,
         {"A value should follow the comparison after \"%1\".",
          "„%1” után az összehasonlítást egy értéknek kell követnie.",
          "Después de la comparación que sigue a «%1» debería venir un valor.",
          "Une valeur devrait suivre la comparaison après «\u00a0%1\u00a0»."}},
        {Reason::TrailingText,
         {"Unexpected \"%1\" after a complete criterion.", "Váratlan „%1” egy teljes feltétel után.",
          "«%1» inesperado después de un criterio completo.", "«\u00a0%1\u00a0» inattendu après un critère complet."}},
        {Reason::UnmatchedParenthesis,
         {"A \"(\" has no matching \")\".", "Egy „(” jelnek nincs párja, hiányzik a „)”.",
          "Un «(» no tiene su «)» correspondiente.", "Une «\u00a0(\u00a0» n'a pas de «\u00a0)\u00a0» correspondante."}},
        {Reason::NeitherNumberNorName,
         {"\"%1\" is neither a number nor a name.", "„%1” se nem szám, se nem név.",
          "«%1» no es ni un número ni un nombre.", "«\u00a0%1\u00a0» n'est ni un nombre ni un nom."}},
        {Reason::IsWithoutNull,
         {"\"Is\" must be followed by \"Null\" or \"Not Null\".",
          "Az „Is” után „Null” vagy „Not Null” következhet.", "Después de «Is» debe venir «Null» o «Not Null».",
          "«\u00a0Is\u00a0» doit être suivi de «\u00a0Null\u00a0» ou de «\u00a0Not Null\u00a0»."}},
        {Reason::LikeWithoutText,
         {"\"Like\" must be followed by a text in quotes.", "A „Like” után idézőjelek közé tett szövegnek kell állnia.",
          "Después de «Like» debe venir un texto entre comillas.",
          "«\u00a0Like\u00a0» doit être suivi d'un texte entre guillemets."}},
        {Reason::NotWithoutLike,
         {"\"Not\" after a field name must be followed by \"Like\".",
          "Mezőnév után a „Not” szót a „Like” szónak kell követnie.",
          "«Not» después de un nombre de campo debe ir seguido de «Like».",
          "«\u00a0Not\u00a0» après un nom de champ doit être suivi de «\u00a0Like\u00a0»."}},
        {Reason::NotANumber,
         {"\"%1\" is not a number.", "„%1” nem szám.", "«%1» no es un número.", "«\u00a0%1\u00a0» n'est pas un nombre."}},
    };
    return texts;
}

// What the engine was doing, as EngineFailure names it.
const std::map<QString, Translated>& engineSteps() {
    static const std::map<QString, Translated> steps = {
        {QString::fromLatin1(StoreError::Step::value),
         {"preparing a value", "egy érték előkészítése közben", "preparar un valor", "en préparant une valeur"}},
        {QString::fromLatin1(StoreError::Step::readWrite),
         {"reading or writing", "olvasás vagy írás közben", "leer o escribir", "en lisant ou en écrivant"}},
        {QString::fromLatin1(StoreError::Step::query),
         {"preparing a query", "egy lekérdezés előkészítése közben", "preparar una consulta", "en préparant une requête"}},
        {QString::fromLatin1(StoreError::Step::command),
         {"running a command", "egy parancs végrehajtása közben", "ejecutar una orden", "en exécutant une commande"}},
    };
    return steps;
}

// What the system (strerror, as Qt's file classes pass it on) and the database engine say in
// English about the failures a learner can do something about, in the four languages.
const std::map<QString, Translated>& knownDetails() {
    static const Translated fileNotFound{"file not found", "a fájl nem található", "no se encuentra el archivo",
                                         "fichier introuvable"};
    static const Translated permissionDenied{"permission denied", "nincs hozzá jogosultság", "permiso denegado",
                                             "permission refusée"};
    static const Translated diskFull{"the disk is full", "megtelt a lemez", "el disco está lleno",
                                     "le disque est plein"};
    static const Translated locked{
        "the database is locked by another program", "az adatbázist egy másik program zárolja",
        "otro programa tiene bloqueada la base de datos", "la base de données est verrouillée par un autre programme"};
    static const Translated readOnlySystem{"the file system is read-only", "a fájlrendszer csak olvasható",
                                           "el sistema de archivos es de solo lectura",
                                           "le système de fichiers est en lecture seule"};
    static const Translated diskError{"the disk could not be read or written", "a lemez olvasása vagy írása nem sikerült",
                                      "no se ha podido leer o escribir en el disco",
                                      "le disque n'a pas pu être lu ou écrit"};
    static const Translated cannotOpen{"the database file cannot be opened", "az adatbázisfájl nem nyitható meg",
                                       "no se puede abrir el archivo de base de datos",
                                       "impossible d'ouvrir le fichier de base de données"};
    static const Translated notADatabase{"the file is not a database", "a fájl nem adatbázis",
                                        "el archivo no es una base de datos",
                                        "le fichier n'est pas une base de données"};
    static const Translated damaged{"the database file is damaged", "az adatbázisfájl megsérült",
                                    "el archivo de base de datos está dañado",
                                    "le fichier de base de données est endommagé"};
    static const Translated isFolder{"it is a folder", "ez egy mappa", "es una carpeta", "c'est un dossier"};
    static const Translated notSynced{"the copy could not be written to disk", "a másolatot nem sikerült lemezre írni",
                                      "no se ha podido escribir la copia en el disco",
                                      "la copie n'a pas pu être écrite sur le disque"};
    static const std::map<QString, Translated> details = {
        {QStringLiteral("no such file or directory"), fileNotFound},
        {QStringLiteral("permission denied"), permissionDenied},
        {QStringLiteral("operation not permitted"), permissionDenied},
        {QStringLiteral("access denied"), permissionDenied},
        {QStringLiteral("no space left on device"), diskFull},
        {QStringLiteral("disk quota exceeded"), diskFull},
        {QStringLiteral("database or disk is full"), diskFull},
        {QStringLiteral("database is locked"), locked},
        {QStringLiteral("database table is locked"), locked},
        {QStringLiteral("read-only file system"), readOnlySystem},
        {QStringLiteral("disk i/o error"), diskError},
        {QStringLiteral("input/output error"), diskError},
        {QStringLiteral("unable to open database file"), cannotOpen},
        {QStringLiteral("file is not a database"), notADatabase},
        {QStringLiteral("database disk image is malformed"), damaged},
        {QStringLiteral("is a directory"), isFolder},
        {QStringLiteral("the copy could not be written to disk"), notSynced},
    };
    return details;
}

QLocale localeOf(int langcode) {
    switch (langcode) {
    case LangCode::Hungarian:
        return QLocale(QLocale::Hungarian, QLocale::Hungary);
    case LangCode::Spanish:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case LangCode::French:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

} // namespace

QString systemDetail(const QString& detail, int langcode) {
    QString key = detail.trimmed().toLower();
    if (key.endsWith(QLatin1Char('.')))
        key.chop(1);
    const auto it = knownDetails().find(key);
    return it == knownDetails().end() ? detail : it->second.in(langcode);
}

QString number(qint64 value, int langcode) {
    return localeOf(langcode).toString(value);
}

QString number(double value, int decimals, int langcode) {
    return localeOf(langcode).toString(value, 'f', decimals);
}

QString fill(const QString& pattern, const QStringList& args) {
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1] >= QLatin1Char('1') &&
            pattern[i + 1] <= QLatin1Char('9')) {
            const int index = pattern[i + 1].unicode() - '1';
            if (index < args.size()) {
                out += args[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString text(Id id, int langcode, const QStringList& args) {
    const auto& texts = programTexts();
    const auto it = texts.find(id);
    return it == texts.end() ? QString() : fill(it->second.in(langcode), args);
}

QString of(const StoreError& error, int langcode) {
    if (error.reason() == Reason::Described)
        return error.detail(0);
    const auto& texts = storeTexts();
    const auto it = texts.find(error.reason());
    if (it == texts.end())
        return error.details().join(QStringLiteral(", "));
    QStringList args = error.details();
    if (error.reason() == Reason::EngineFailure && args.size() > 1) {
        const auto step = engineSteps().find(args[1]);
        if (step != engineSteps().end())
            args[1] = step->second.in(langcode);
        if (args.size() > 2)
            args[2] = systemDetail(args[2], langcode);
    }
    if (error.reason() == Reason::NotItemDatabase && args.size() > 1)
        args[1] = systemDetail(args[1], langcode);
    return fill(it->second.in(langcode), args);
}

QString english(const StoreError& error) {
    return of(error, LangCode::English);
}

} // namespace lexora::Messages
