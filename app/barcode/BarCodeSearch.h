#pragma once

#include "foundation/text/String.h"

class HttpClient;
class HttpResponse;
struct NewMovieRecord;

// The shop search behind adding a movie by its bar code: which typed texts
// are bar codes, the one request for the digits, and the title and medium
// read from the shop's answer. Portable, so that the whole exchange is tested
// natively against a loopback server.
class BarCodeSearch
{
public:
    enum Outcome
    {
        // A title was read; the record holds it.
        kFound,
        // The shop answered that it knows no such number (its "did not match"
        // page, a page without a product title, an empty title): asking
        // again would give the same answer.
        kNotFound,
        // The exchange itself failed (no connection, a time-out, a status
        // other than 200, an empty body): worth trying again.
        kFailed
    };

    static constexpr int kMinimumDigits = 8;
    static constexpr int kMaximumDigits = 13;
    static constexpr int kTimeoutSeconds = 10;
    // The most one answer may hold, headers included.
    static constexpr int kMaxAnswerBytes = 1048576;

    // The digits of a typed bar code: the text without the white space at
    // its ends, made only of 8 to 13 digits 0-9. Empty for anything else.
    static String digitsOf(const String& typed);

    // The request for digits at host (which may carry ":port"), with its
    // time-outs and answer limit.
    static void prepare(HttpClient& client, const String& host, const String& digits);
    // Reads a finished exchange into record (title, format and bar code);
    // the record is touched only when the result is kFound.
    static Outcome readAnswer(bool performed, const HttpResponse& response, const String& digits,
                              NewMovieRecord& record);
    // The same for the page's text alone.
    static Outcome readPage(const String& page, const String& digits, NewMovieRecord& record);
    // One whole search: prepare, perform and read.
    static Outcome search(const String& host, const String& digits, NewMovieRecord& record);

    // The product title as the page writes it, from the title marker on; empty
    // when the page has no marker or no title after it.
    static String rawTitleOf(const String& page);
    // The movie's title: the raw title up to its first '(' or '[', trimmed,
    // with character references decoded.
    static String titleOf(const String& rawTitle);
    // "Blu-ray", "DVD", "CD" or "VHS" from a parenthesis that stands before
    // the raw title's only '['; empty in every other case.
    static String mediumOf(const String& rawTitle);
};
