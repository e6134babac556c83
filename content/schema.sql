-- Ondalira content database.
-- The program never creates tables: the build makes data/bd from this file
-- plus the installation data written by the content generator.

PRAGMA foreign_keys = OFF;

-- The schema version; databases made at an earlier one are upgraded in
-- place at start (store/schemaupgrade.cpp), so this file and the last step
-- there always agree.
PRAGMA user_version = 5;

-- AUTOINCREMENT on letters, words, categories and users: a deleted row's id
-- is never handed to a new row, which settings or links naming the old one
-- would otherwise silently point at.

CREATE TABLE language (
    id   INTEGER PRIMARY KEY,
    name TEXT NOT NULL
);

CREATE TABLE letter (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    name        TEXT NOT NULL,
    id_language INTEGER NOT NULL
);
CREATE INDEX letter_by_language_name ON letter (id_language, name);

CREATE TABLE category (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    name        TEXT NOT NULL,
    id_language INTEGER NOT NULL
);
CREATE UNIQUE INDEX category_by_language ON category (id_language, name);

CREATE TABLE word (
    id        INTEGER PRIMARY KEY AUTOINCREMENT,
    name      TEXT DEFAULT '',
    fullName  TEXT DEFAULT '',
    image     TEXT DEFAULT '',
    sign      TEXT DEFAULT '',
    lips      TEXT DEFAULT '',
    id_letter INTEGER NOT NULL,
    -- Counts the word's saves: a save made from an older reading (another
    -- PC saved in between) is refused rather than mixed with it.
    revision  INTEGER NOT NULL DEFAULT 0
);
-- Serves the word draw of one letter and the look-up by description; a
-- description is unique within its letter because it names the media folder.
CREATE UNIQUE INDEX word_by_letter ON word (id_letter, fullName);

CREATE TABLE word_x_category (
    id          INTEGER PRIMARY KEY,
    id_word     INTEGER NOT NULL,
    id_category INTEGER NOT NULL,
    UNIQUE (id_word, id_category)
);
-- The unique constraint indexes (id_word, id_category); this one serves the
-- category-first lookups of the filtered draws and the category word list.
CREATE INDEX word_x_category_by_category ON word_x_category (id_category, id_word);

CREATE TABLE user (
    id         INTEGER PRIMARY KEY AUTOINCREMENT,
    name       TEXT NOT NULL,
    last_login TEXT,
    created_in TEXT,
    -- the picture a child finds itself by (store/userpictures.h)
    picture    TEXT NOT NULL DEFAULT ''
);
CREATE INDEX user_by_name ON user (name);

CREATE TABLE config (
    id          INTEGER PRIMARY KEY,
    key         TEXT NOT NULL,
    data        INTEGER NOT NULL DEFAULT 0,
    id_user     INTEGER NOT NULL,
    id_language INTEGER NOT NULL
);
CREATE INDEX config_by_user_key ON config (id_user, id_language, key, data);

-- Every judged key of the exercises 21, 23, 25, 30 and 31. The letter and
-- the word are stored as texts, so deleting a word or a letter leaves the
-- record readable.
CREATE TABLE answer_log (
    id          INTEGER PRIMARY KEY,
    id_user     INTEGER NOT NULL,
    id_language INTEGER NOT NULL,
    activity    INTEGER NOT NULL,
    expected    TEXT NOT NULL,
    word        TEXT NOT NULL DEFAULT '',
    typed       TEXT NOT NULL,
    correct     INTEGER NOT NULL,
    attempt     INTEGER NOT NULL,
    elapsed_ms  INTEGER NOT NULL,
    answered_at TEXT NOT NULL,
    -- 1: the question was the spoken word alone (listening practice)
    heard_only  INTEGER NOT NULL DEFAULT 0,
    -- The answer's own id, made where it was given: an answer delivered
    -- twice to a school's server (a replay after a lost connection) is
    -- stored once. NULL in answers recorded before it existed.
    uid         TEXT
);
CREATE UNIQUE INDEX answer_log_by_uid ON answer_log (uid);
-- The report's answers per day, its letter grid (the newest first answers
-- of a cell, in id order) and its confused pairs.
CREATE INDEX answer_log_by_day ON answer_log (id_user, id_language, answered_at, correct);
CREATE INDEX answer_log_by_letter ON answer_log (id_user, id_language, attempt, expected, activity);
CREATE INDEX answer_log_by_result ON answer_log (id_user, id_language, correct, expected, typed);

-- The adults' PIN, when one is set: a single row holding only a salted
-- PBKDF2 hash, and the count of wrong PINs with the end of their lock.
-- Deleting the row removes the protection.
CREATE TABLE adult_pin (
    id           INTEGER PRIMARY KEY,
    salt         BLOB NOT NULL,
    hash         BLOB NOT NULL,
    iterations   INTEGER NOT NULL,
    failures     INTEGER NOT NULL DEFAULT 0,
    locked_until TEXT NOT NULL DEFAULT ''
);
