// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a GIFT file with the independent parser and prints, as JSON, each multiple-choice
// question's name, stem, answers, each answer's feedback and the general feedback, and every
// category, in file order.
"use strict";
const fs = require("fs");
const gift = require("gift-pegjs");

const questions = gift.parse(fs.readFileSync(process.argv[2], "utf8"));
const out = questions.map((q) => {
    if (q.type === "Category") return { type: "Category", title: q.title };
    if (q.type !== "MC") return { type: q.type };
    return {
        type: "MC",
        title: q.title,
        stem: q.stem.text,
        embedded: q.hasEmbeddedAnswers,
        right: q.choices.filter((c) => c.isCorrect).map((c) => c.text.text),
        wrong: q.choices.filter((c) => !c.isCorrect).map((c) => c.text.text),
        order: q.choices.map((c) => c.text.text),
        answerFeedback: q.choices.map((c) => (c.feedback ? c.feedback.text : null)),
        feedback: q.globalFeedback ? q.globalFeedback.text : null,
    };
});
process.stdout.write(JSON.stringify(out));
