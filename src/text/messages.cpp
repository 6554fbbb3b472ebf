#include "text/messages.h"

#include "data/storeerror.h"
#include "text/captions.h"
#include "text/translated.h"

#include <map>

namespace lexora::Messages {

namespace {

using Reason = StoreError::Reason;

const std::map<Id, Translated>& programTexts() {
    static const std::map<Id, Translated> texts = {
        {Id::UnexpectedError,
         {"An unexpected error occurred: %1\nThe program goes on.", "Váratlan hiba történt: %1\nA program tovább fut.",
          "Se ha producido un error inesperado: %1\nEl programa continúa.",
          "Une erreur inattendue s'est produite : %1\nLe programme continue."}},
        {Id::UnexpectedErrorBare,
         {"An unexpected error occurred.\nThe program goes on.", "Váratlan hiba történt.\nA program tovább fut.",
          "Se ha producido un error inesperado.\nEl programa continúa.",
          "Une erreur inattendue s'est produite.\nLe programme continue."}},
        {Id::NoDatabaseChosen,
         {"No item database has been chosen.", "Nincs kiválasztva feladatbázis.",
          "No se ha elegido ninguna base de datos de ejercicios.", "Aucune base d'exercices n'a été choisie."}},
        {Id::DatabaseMissing,
         {"The item database \"%1\" is missing. It must be in the program's folder: %2",
          "Hiányzik a(z) „%1” feladatbázis. A program mappájában kell lennie: %2",
          "Falta la base de datos de ejercicios «%1». Debe estar en la carpeta del programa: %2",
          "La base d'exercices « %1 » est introuvable. Elle doit se trouver dans le dossier du programme : %2"}},
        {Id::NotAnItemDatabase,
         {"The file \"%1\" is not an item database. The program needs its item database \"%1\" in the program's "
          "folder: %2",
          "A(z) „%1” fájl nem feladatbázis. A programnak a(z) „%1” feladatbázisra van szüksége a program "
          "mappájában: %2",
          "El archivo «%1» no es una base de datos de ejercicios. El programa necesita su base de datos de "
          "ejercicios «%1» en la carpeta del programa: %2",
          "Le fichier « %1 » n'est pas une base d'exercices. Le programme a besoin de sa base d'exercices « %1 » "
          "dans le dossier du programme : %2"}},
        {Id::ReshuffleFailed,
         {"The order of the sentences could not be changed; the database has been left as it was.",
          "A mondatok sorrendjét nem sikerült megváltoztatni; az adatbázis változatlan maradt.",
          "No se ha podido cambiar el orden de las oraciones; la base de datos ha quedado como estaba.",
          "L'ordre des fiches n'a pas pu être changé ; la base de données est restée telle quelle."}},
        {Id::PlaceholderMissing,
         {"The table of failed items has lost its first row, so nothing was deleted from it.",
          "A hibás válaszok táblájából hiányzik az első sor, ezért a program nem törölt belőle semmit.",
          "Falta la primera fila de la tabla de respuestas erróneas; por eso no se ha borrado nada.",
          "La première ligne de la table des erreurs manque ; rien n'a donc été effacé."}},
        {Id::NoFreeRecordNumber,
         {"Every record number from 1 to %1 is taken, so no new item can be added.",
          "Minden rekordszám foglalt 1-től %1-ig, ezért új mondat nem vehető fel.",
          "Todos los números de registro del 1 al %1 están ocupados; no se puede añadir ningún ejercicio nuevo.",
          "Tous les numéros de fiche de 1 à %1 sont pris ; aucune nouvelle fiche ne peut être ajoutée."}},
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
         {"%1 is not an item database: it has no table %2.", "A fájl nem feladatbázis, mert nincs benne %2 tábla: %1",
          "%1 no es una base de datos de ejercicios: no tiene la tabla %2.",
          "%1 n'est pas une base d'exercices : elle n'a pas de table %2."}},
        {Reason::FieldMissing,
         {"%1 is not an item database: the table %2 has no field %3.",
          "A fájl nem feladatbázis, mert a(z) %2 táblában nincs %3 mező: %1",
          "%1 no es una base de datos de ejercicios: la tabla %2 no tiene el campo %3.",
          "%1 n'est pas une base d'exercices : la table %2 n'a pas de champ %3."}},
        {Reason::NotItemDatabase,
         {"%1 is not an item database (%2).", "A fájl nem feladatbázis (%2): %1",
          "%1 no es una base de datos de ejercicios (%2).", "%1 n'est pas une base d'exercices (%2)."}},
        {Reason::Damaged,
         {"%1 is not an item database: the file is damaged (%2).",
          "A fájl nem feladatbázis, mert megsérült (%2): %1",
          "%1 no es una base de datos de ejercicios: el archivo está dañado (%2).",
          "%1 n'est pas une base d'exercices : le fichier est endommagé (%2)."}},
        {Reason::ForeignObject,
         {"%1 is not an item database: it holds %2, which an item database does not have.",
          "A fájl nem feladatbázis, mert olyan elemet tartalmaz, amely feladatbázisban nem lehet (%2): %1",
          "%1 no es una base de datos de ejercicios: contiene %2, que una base de datos de ejercicios no tiene.",
          "%1 n'est pas une base d'exercices : elle contient %2, qu'une base d'exercices n'a pas."}},
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
          "Le fichier de base de données %1 est défectueux : le travail sur ce fichier durait trop longtemps et a "
          "été arrêté. Rien n'a été modifié."}},
        {Reason::EngineFailure,
         {"The database %1 failed while %2: %3.", "Az adatbázis hibát jelzett %2 (%1): %3.",
          "La base de datos %1 ha fallado al %2: %3.", "La base de données %1 a échoué en %2 : %3."}},
        {Reason::ValueTaken,
         {"Another item already has this value (%1).", "Egy másik mondatnak már ez az értéke (%1).",
          "Otro ejercicio ya tiene este valor (%1).", "Une autre fiche a déjà cette valeur (%1)."}},
        {Reason::DatabaseNotOpen,
         {"The item database %1 is not open.", "A feladatbázis nincs megnyitva: %1",
          "La base de datos de ejercicios %1 no está abierta.", "La base d'exercices %1 n'est pas ouverte."}},
        {Reason::ViewNotOpen,
         {"The item view is not open.", "A nézet nincs megnyitva.", "La vista no está abierta.",
          "La vue n'est pas ouverte."}},
        {Reason::NoCurrentItem,
         {"There is no current item.", "Nincs aktuális mondat.", "No hay ningún ejercicio actual.",
          "Il n'y a pas de fiche courante."}},
        {Reason::ItemDeleted,
         {"The item has been deleted.", "A mondatot törölték.", "El ejercicio ha sido borrado.",
          "La fiche a été supprimée."}},
        {Reason::NotEditing,
         {"The item is not being edited.", "A mondat szerkesztése nincs folyamatban.", "El ejercicio no se está editando.",
          "La fiche n'est pas en cours de modification."}},
        {Reason::NoSuchTable,
         {"The database has no table \"%1\".", "Az adatbázisban nincs „%1” tábla.",
          "La base de datos no tiene la tabla «%1».", "La base de données n'a pas de table « %1 »."}},
        {Reason::NoSuchField,
         {"The table %1 has no field \"%2\".", "A(z) %1 táblában nincs „%2” mező.", "La tabla %1 no tiene el campo «%2».",
          "La table %1 n'a pas de champ « %2 »."}},
        {Reason::NoSuchIndex,
         {"The table %1 has no index \"%2\".", "A(z) %1 táblának nincs „%2” indexe.",
          "La tabla %1 no tiene el índice «%2».", "La table %1 n'a pas d'index « %2 »."}},
        {Reason::NoIndexChosen,
         {"Seeking needs an index to be chosen first.", "A kereséshez előbb indexet kell választani.",
          "Para buscar hay que elegir antes un índice.", "Pour chercher, il faut d'abord choisir un index."}},
        {Reason::NotWholeNumber,
         {"The field %1 holds whole numbers from %2 to %3; \"%4\" is not one.",
          "A(z) %1 mezőbe %2 és %3 közötti egész szám kell; „%4” nem az.",
          "El campo %1 admite números enteros de %2 a %3; «%4» no lo es.",
          "Le champ %1 contient des nombres entiers de %2 à %3 ; « %4 » n'en est pas un."}},
        {Reason::TooLong,
         {"The field %1 holds at most %2 character(s); \"%3\" is longer.",
          "A(z) %1 mező legfeljebb %2 karaktert tartalmazhat; „%3” hosszabb ennél.",
          "El campo %1 admite como máximo %2 carácter(es); «%3» es más largo.",
          "Le champ %1 contient au plus %2 caractère(s) ; « %3 » est plus long."}},
        {Reason::EmptyNumber,
         {"The field %1 must hold a whole number; it cannot be left empty.",
          "A(z) %1 mezőbe egész számot kell írni; nem maradhat üresen.",
          "El campo %1 debe contener un número entero; no puede quedar vacío.",
          "Le champ %1 doit contenir un nombre entier ; il ne peut pas rester vide."}},
        {Reason::NumberTooLarge,
         {"The item number %1 is too large.", "A mondat sorszáma túl nagy: %1",
          "El número de ejercicio %1 es demasiado grande.", "Le numéro de fiche %1 est trop grand."}},
        {Reason::NothingSelected,
         {"No items are selected.", "Nincs kiválasztott mondat.", "No hay ningún ejercicio seleccionado.",
          "Aucune fiche n'est sélectionnée."}},
        {Reason::NoNumberToDraw,
         {"There is no item number to draw.", "Nincs kisorsolható sorszám.",
          "No hay ningún número de ejercicio para sortear.", "Il n'y a aucun numéro de fiche à tirer."}},
        {Reason::NoFreePlace,
         {"There is no free place left in the sequence for item number %1.",
          "A sorrendben nem maradt szabad hely a(z) %1. sorszámú mondat számára.",
          "No queda ningún lugar libre en la secuencia para el ejercicio número %1.",
          "Il ne reste aucune place libre dans la séquence pour la fiche numéro %1."}},
        {Reason::NoFreeValue,
         {"Every value of %1 is taken; the item cannot come back.",
          "A(z) %1 mező minden értéke foglalt, ezért a feladat nem hozható vissza.",
          "Todos los valores de %1 están ocupados; el ejercicio no puede volver.",
          "Toutes les valeurs de %1 sont prises ; l'exercice ne peut pas revenir."}},
        {Reason::BankUnreadable,
         {"The item bank %1 cannot be read.", "A feladatgyűjtemény nem olvasható: %1",
          "No se puede leer el banco de ejercicios %1.", "Impossible de lire la banque d'exercices %1."}},
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
          "El carácter «%1» no puede estar aquí.", "Le caractère « %1 » ne peut pas figurer ici."}},
        {Reason::EmptyCriterion,
         {"The criterion is empty.", "A feltétel üres.", "El criterio está vacío.", "Le critère est vide."}},
        {Reason::NestedTooDeep,
         {"The criterion nests parentheses or \"Not\" more than %1 deep.",
          "A feltételben a zárójelek vagy a „Not” több mint %1 szint mélyen ágyazódnak egymásba.",
          "El criterio anida paréntesis o «Not» a más de %1 niveles.",
          "Le critère imbrique des parenthèses ou « Not » sur plus de %1 niveaux."}},
        {Reason::CriterionEndsEarly,
         {"The criterion ends where a field name should follow.",
          "A feltétel ott ér véget, ahol mezőnévnek kellene következnie.",
          "El criterio termina donde debería seguir un nombre de campo.",
          "Le critère s'arrête là où un nom de champ devrait suivre."}},
        {Reason::FieldNameExpected,
         {"A field name should stand where \"%1\" is.", "Mezőnévnek kellene állnia ott, ahol „%1” áll.",
          "Debería haber un nombre de campo donde está «%1».", "Un nom de champ devrait figurer à la place de « %1 »."}},
        {Reason::ComparisonExpected,
         {"A comparison (=, <>, <, <=, >, >=) should follow \"%1\".",
          "„%1” után összehasonlításnak (=, <>, <, <=, >, >=) kell következnie.",
          "Después de «%1» debería venir una comparación (=, <>, <, <=, >, >=).",
          "Une comparaison (=, <>, <, <=, >, >=) devrait suivre « %1 »."}},
        {Reason::NumberExpected,
         {"The field %1 holds numbers, but \"%2\" is not a number.", "A(z) %1 mező számokat tartalmaz, de „%2” nem szám.",
          "El campo %1 contiene números, pero «%2» no es un número.",
          "Le champ %1 contient des nombres, mais « %2 » n'est pas un nombre."}},
        {Reason::QuotesMissing,
         {"The text \"%1\" must be put between quotation marks.", "A(z) „%1” szöveget idézőjelek közé kell tenni.",
          "El texto «%1» debe ir entre comillas.", "Le texte « %1 » doit être mis entre guillemets."}},
        {Reason::ValueMissing,
         {"A value should follow the comparison after \"%1\".",
          "„%1” után az összehasonlítást egy értéknek kell követnie.",
          "Después de la comparación que sigue a «%1» debería venir un valor.",
          "Une valeur devrait suivre la comparaison après « %1 »."}},
        {Reason::TrailingText,
         {"Unexpected \"%1\" after a complete criterion.", "Váratlan „%1” egy teljes feltétel után.",
          "«%1» inesperado después de un criterio completo.", "« %1 » inattendu après un critère complet."}},
        {Reason::UnmatchedParenthesis,
         {"A \"(\" has no matching \")\".", "Egy „(” jelnek nincs párja, hiányzik a „)”.",
          "Un «(» no tiene su «)» correspondiente.", "Une « ( » n'a pas de « ) » correspondante."}},
        {Reason::NeitherNumberNorName,
         {"\"%1\" is neither a number nor a name.", "„%1” se nem szám, se nem név.",
          "«%1» no es ni un número ni un nombre.", "« %1 » n'est ni un nombre ni un nom."}},
        {Reason::IsWithoutNull,
         {"\"Is\" must be followed by \"Null\" or \"Not Null\".",
          "Az „Is” után „Null” vagy „Not Null” következhet.", "Después de «Is» debe venir «Null» o «Not Null».",
          "« Is » doit être suivi de « Null » ou de « Not Null »."}},
        {Reason::LikeWithoutText,
         {"\"Like\" must be followed by a text in quotes.", "A „Like” után idézőjelek közé tett szövegnek kell állnia.",
          "Después de «Like» debe venir un texto entre comillas.",
          "« Like » doit être suivi d'un texte entre guillemets."}},
        {Reason::NotWithoutLike,
         {"\"Not\" after a field name must be followed by \"Like\".",
          "Mezőnév után a „Not” szót a „Like” szónak kell követnie.",
          "«Not» después de un nombre de campo debe ir seguido de «Like».",
          "« Not » après un nom de champ doit être suivi de « Like »."}},
        {Reason::NotANumber,
         {"\"%1\" is not a number.", "„%1” nem szám.", "«%1» no es un número.", "« %1 » n'est pas un nombre."}},
    };
    return texts;
}

// What the engine was doing, as EngineFailure names it.
const std::map<QString, Translated>& engineSteps() {
    static const std::map<QString, Translated> steps = {
        {QString::fromLatin1(StoreError::Step::value),
         {"preparing a value", "egy érték előkészítése közben", "preparar un valor", "préparant une valeur"}},
        {QString::fromLatin1(StoreError::Step::readWrite),
         {"reading or writing", "olvasás vagy írás közben", "leer o escribir", "lisant ou écrivant"}},
        {QString::fromLatin1(StoreError::Step::query),
         {"preparing a query", "egy lekérdezés előkészítése közben", "preparar una consulta", "préparant une requête"}},
        {QString::fromLatin1(StoreError::Step::command),
         {"running a command", "egy parancs végrehajtása közben", "ejecutar una orden", "exécutant une commande"}},
    };
    return steps;
}

} // namespace

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
    }
    return fill(it->second.in(langcode), args);
}

} // namespace lexora::Messages
