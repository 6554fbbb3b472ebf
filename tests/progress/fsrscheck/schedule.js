// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads review histories (JSON: [[{"at": ms since the epoch, "grade": 1..4}, ...], ...]) from the
// file named on the command line and prints, for every review of every history, the state the
// reference scheduler gives: [[{"days", "stability", "difficulty", "due"}, ...], ...].
'use strict';
const fs = require('fs');
const { fsrs, createEmptyCard } = require('ts-fsrs');

const scheduler = fsrs({
    request_retention: 0.9,
    maximum_interval: 36500,
    enable_fuzz: false,
    enable_short_term: false,
    learning_steps: [],
    relearning_steps: [],
});

const histories = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
const results = histories.map((history) => {
    let card = createEmptyCard(new Date(history[0].at));
    return history.map((review) => {
        card = scheduler.next(card, new Date(review.at), review.grade).card;
        return {
            days: card.scheduled_days,
            stability: card.stability,
            difficulty: card.difficulty,
            due: card.due.getTime(),
        };
    });
});
process.stdout.write(JSON.stringify(results));
