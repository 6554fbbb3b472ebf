// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// `lexora-items worksheet ...`: writes a printable worksheet with its answer key as a PDF file.
// It needs fonts, so it makes its own GUI application object (offscreen unless a platform is named).
int worksheetCommand(int argc, char** argv);
