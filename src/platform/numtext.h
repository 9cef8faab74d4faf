#pragma once

#include <QString>

// The number-to-text forms of the program.
//
// Infinity and NaN read "Inf", "-Inf" and "NaN" in every form (the Str form with its blank
// before them as before a number that is not negative: " Inf", " NaN").
//
// Picture patterns such as "###0.00000": a 0 is a digit always shown, a # a digit shown only
// when needed; exactly the given decimals, rounded half away from zero; a minus sign for
// negatives, never for a value that rounds to zero.
QString format_number(double value, QStringView pattern);
// A single is first read at its own precision (seven significant digits), as a student sees it.
QString format_number(float value, QStringView pattern);

// The Str form: a blank before a non-negative number, no zero before the decimal point
// (" 5", "-3", " .5"). Doubles show up to 15 significant digits, singles up to 7.
QString str_form(double value);
QString str_form(float value);
QString str_form(int value);

// The Str form without its leading blank ("5", "-3", ".5").
QString plain_form(double value);
QString plain_form(float value);
QString plain_form(int value);

// How a printed number reads: the Str form followed by a blank.
QString print_form(double value);
QString print_form(float value);

// The plain text of a single: up to seven significant digits ("220", "-5", "3.09017").
QString single_text(float value);

// A number text as a language writes it: the decimal point replaced by its separator ("1,618").
QString with_decimal_separator(QString text, QChar separator);
