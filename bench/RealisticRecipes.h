#pragma once
// Recipes as a user's file holds them, for the measures of the real window:
// names, keywords and text of cooking words (a few common, most rare, so
// some words typed letter by letter narrow the list at every key), 2 KB of text,
// about 4 KB of styled RTF, ratings 0 to 5, and a JPEG photo in one recipe of
// twenty. The same seed gives the same file.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/RecipesTable.h"

namespace bench {

namespace realistic {

inline const std::vector<std::string>& words() {
    static const std::vector<std::string> list = {
        "the", "and", "with", "salt", "pepper", "oil", "butter", "onion", "garlic", "water", "sugar", "flour",
        "stir", "heat", "until", "minutes", "add", "cook", "bowl", "pan", "oven", "serve", "cup", "spoon",
        "chopped", "sliced", "fresh", "large", "small", "medium", "egg", "milk", "cream", "cheese", "lemon",
        "tomato", "carrot", "potato", "celery", "parsley", "basil", "thyme", "rosemary", "oregano", "sage",
        "chicken", "beef", "pork", "lamb", "fish", "salmon", "shrimp", "rice", "pasta", "noodles", "bread",
        "apple", "pear", "peach", "plum", "cherry", "berry", "orange", "lime", "mango", "banana", "coconut",
        "ginger", "cumin", "paprika", "cinnamon", "nutmeg", "clove", "vanilla", "honey", "maple", "vinegar",
        "mustard", "soy", "sesame", "peanut", "almond", "walnut", "pecan", "hazelnut", "pistachio", "raisin",
        "spicy", "smoky", "sweet", "sour", "bitter", "savory", "crispy", "tender", "golden", "creamy", "rustic",
        "simmer", "boil", "roast", "bake", "grill", "fry", "saute", "whisk", "fold", "knead", "chill", "marinate",
        "braise", "poach", "steam", "glaze", "drizzle", "sprinkle", "garnish", "season", "taste", "reduce",
        "skillet", "saucepan", "casserole", "tray", "sheet", "rack", "lid", "foil", "parchment", "colander",
        "zucchini", "eggplant", "spinach", "kale", "cabbage", "broccoli", "cauliflower", "asparagus", "leek",
        "shallot", "scallion", "chive", "dill", "tarragon", "fennel", "saffron", "cardamom", "turmeric",
        "quince", "rhubarb", "apricot", "fig", "date", "pomegranate", "persimmon", "kumquat", "gooseberry",
        "anchovy", "caper", "olive", "artichoke", "chickpea", "lentil", "barley", "quinoa", "polenta", "couscous",
        "tortilla", "dumpling", "risotto", "gnocchi", "ravioli", "lasagna", "custard", "meringue", "souffle",
        "brioche", "focaccia", "pretzel", "scone", "muffin", "pancake", "waffle", "crepe", "tart", "pie",
        "stew", "soup", "chowder", "curry", "salad", "sandwich", "burger", "taco", "sauce", "gravy", "pesto",
        "chutney", "relish", "pickle", "jam", "jelly", "syrup", "caramel", "fudge", "toffee", "praline",
        "overnight", "gently", "briskly", "evenly", "lightly", "thoroughly", "grandmother", "holiday", "summer",
        "winter", "autumn", "spring", "picnic", "brunch", "supper", "feast", "weeknight", "quick", "easy",
    };
    return list;
}

// A word drawn so the first of the list come often and the last rarely.
inline const std::string& word(std::mt19937& random) {
    const std::vector<std::string>& list = words();
    const double u = std::uniform_real_distribution<double>(0, 1)(random);
    return list[static_cast<size_t>(u * u * u * u * u * static_cast<double>(list.size()))];
}

inline std::string capitalized(std::string w) {
    if (!w.empty() && w[0] >= 'a' && w[0] <= 'z') w[0] = static_cast<char>(w[0] - 'a' + 'A');
    return w;
}

// Sentences of words until `size` bytes.
inline std::string prose(std::mt19937& random, size_t size) {
    std::string text;
    while (text.size() < size) {
        const int length = 6 + static_cast<int>(random() % 10);
        for (int i = 0; i < length; ++i) text += (i == 0 ? capitalized(word(random)) : " " + word(random));
        text += random() % 4 == 0 ? ".\n" : ". ";
    }
    text.resize(size);
    return text;
}

inline std::string rtfOf(const std::string& text) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\cocoartf1038 {\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;"
                      "\\f1\\froman\\fcharset0 Times-Roman;}{\\colortbl;\\red255\\green255\\blue255;"
                      "\\red102\\green51\\blue0;}\\pard\\tx560\\tx1120\\tx1680\\ql\\qnatural\\pardirnatural ";
    bool bold = false;
    size_t run = 0;
    for (char c : text) {
        if (run++ % 16 == 0) {  // styled runs, as a user's formatting leaves them
            rtf += bold ? "}{\\f0\\fs24\\cf0 " : "}{\\f1\\b\\fs28\\cf2 ";
            bold = !bold;
        }
        if (c == '\n') rtf += "\\\n";
        else rtf += c;
    }
    return rtf + "}}";
}

}  // namespace realistic

// Creates `file` (replacing it) with n such recipes, `photo` (JPEG bytes)
// in one recipe of twenty; a failure ends the run.
inline void fillRealisticRecipes(const std::filesystem::path& file, int n, const std::string& photo) {
    std::filesystem::remove(file);
    std::mt19937 random(20261208);
    sqlite3* db = nullptr;
    sqlite3_stmt* insert = nullptr;
    bool ok = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
              sqlite3_exec(db, RecipesTable::kCreate, nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_prepare_v2(db, "insert into recipes values (?1, ?2, ?3, ?4, ?5, ?6)", -1, &insert, nullptr) ==
                  SQLITE_OK;
    for (int i = 1; ok && i <= n; ++i) {
        using realistic::capitalized;
        using realistic::word;
        const std::string name = capitalized(word(random)) + " " + capitalized(word(random)) + " " +
                                 capitalized(word(random)) + " " + std::to_string(i);
        const std::string text = realistic::prose(random, 2000);
        const std::string rtf = realistic::rtfOf(text);
        const std::string keywords = word(random) + " " + word(random) + " " + word(random);
        sqlite3_reset(insert);
        sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, text.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, rtf.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, keywords.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 5, static_cast<int>(random() % 6));
        if (i % 20 == 0 && !photo.empty())
            sqlite3_bind_blob(insert, 6, photo.data(), static_cast<int>(photo.size()), SQLITE_STATIC);
        else
            sqlite3_bind_null(insert, 6);
        ok = sqlite3_step(insert) == SQLITE_DONE;
    }
    ok = ok && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok) {
        std::fprintf(stderr, "could not fill %s: %s\n", file.c_str(), db ? sqlite3_errmsg(db) : "no connection");
        std::exit(1);
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
}

}  // namespace bench
