#pragma once

#include "TextTypes.h"

#include <string_view>

namespace qingtan {

// Text operations behind WebRequest: URLs, request header names and cookie lists. All of them step over
// double-byte characters, so a match never begins on the second byte of one; positions are 1-based, -1 = none.

// 1-based position of the first `needle` at or after `from`, optionally ignoring the case of ASCII letters. An
// empty needle is found at `from` in a non-empty text and nowhere in an empty one.
int FindText(std::string_view text, std::string_view needle, int from = 1, bool ignoreCase = false);

// The pieces between delimiters, empty ones included, except that a final delimiter ends the last piece rather
// than starting an empty one. An empty text gives no pieces.
TextArray SplitKeepingEmpty(std::string_view text, std::string_view delimiter);

// The text without ASCII blanks and full-width blanks (A1 A1) at either end; tabs and line ends stay.
AnsiText TrimBlanks(std::string_view text);

// ASCII letters changed, double-byte characters untouched (their second byte may look like a letter).
AnsiText AsciiLower(std::string_view text);
AnsiText AsciiUpper(std::string_view text);

// The decimal number at the start of the text (leading blanks and a sign allowed); 0 when there is none.
int TextToInteger(std::string_view text);

// Lower-cased host of the URL; a URL without scheme counts as http. Without keepPort the ":port" is cut off.
AnsiText UrlHost(std::string_view url, bool keepPort = false);

// The port written in the URL (0 when it is not a number), else 443 for https and 80 otherwise.
int UrlPort(std::string_view url);

// Everything from the first "/" after the host, query and fragment included, in the URL's own case; "/" if none.
AnsiText UrlPath(std::string_view url);

// Drops lines without ":" and capitalises the header name of the others word by word ("x-a-b" -> "X-A-B").
AnsiText CapitalizeHeaderNames(std::string_view headers);

// The text with an ASCII lower-case first letter made upper case.
AnsiText CapitalizeFirst(std::string_view text);

// Everything after the first ":", blanks trimmed; empty when there is no ":". Later lines are kept.
AnsiText TextAfterColon(std::string_view text);

// The text before the first `separator`; empty when it is missing or stands at the very start.
AnsiText TextBefore(std::string_view text, std::string_view separator);

// The name of a "name=value" cookie item, blanks trimmed; the whole item when it has no "=".
AnsiText CookieName(std::string_view item);

// True when an item of `items` has the cookie name `name`.
bool HasCookieNamed(const TextArray& items, std::string_view name);

// 1-based index of the first member equal to `text`, or -1.
int IndexOfText(const TextArray& items, std::string_view text);

// The pieces between separators with repeats dropped, joined by the separator again.
AnsiText UniqueItems(std::string_view text, std::string_view separator);

// Merges a sent cookie list into a received one: received cookies first, then the sent ones the server did not set
// again; cookies set to "deleted" are dropped with their sent namesakes. `oldCookies` ends up holding the result
// and `newCookies` its trimmed form; the result is returned as well.
AnsiText MergeCookies(AnsiText& oldCookies, AnsiText& newCookies);

} // namespace qingtan
