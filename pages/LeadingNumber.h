#pragma once
#include <QString>

// The leading decimal number of an edit's text, as atoi reads it (blanks, a sign, then digits),
// held to the int range so that a pasted run of digits of any length gives a number that
// writes back to a text of the same meaning.
int LeadingNumber(const QString& text);
