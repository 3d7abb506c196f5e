// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Tockmere developers

#pragma once

#include <initializer_list>
#include <string>

// The texts the user reads, in the user's language. The core stays free of the toolkit: the
// program hands it a translator at start; without one (the rule tests, the fuzzer) the English
// source texts stand. The translators' tools find the texts by the name `translated`, as they
// find the toolkit's own translate(): a context, then the source text.
using Translator = std::string (*)(const char* context, const char* source);
void setTranslator(Translator translator);
std::string translated(const char* context, const char* source);

// `text` with %1, %2, ... replaced by the arguments in turn, so that a translation may put them
// in the order of its language.
std::string withArgs(std::string text, std::initializer_list<std::string> args);
