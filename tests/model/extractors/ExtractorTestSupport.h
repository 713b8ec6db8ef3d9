#pragma once

#include "foundation/text/String.h"
#include "model/extractors/ImageDownloader.h"
#include "model/extractors/MovieDbExtractor.h"
#include "model/extractors/ResultChooser.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/TestSupport.h"
#include "tests/support/TestText.h"

#include <map>

#include <string>
#include <vector>

namespace extractortest {

using testsupport::text;
using testsupport::utf8;

// Windows takes '/' in paths as well.
inline std::string dataPath(const std::string& name)
{
    return testsupport::dataDir() + "/extractors/" + name;
}

// The small replace table of the test data.
inline void loadTestTable(MovieExtractor& extractor)
{
    extractor.loadReplaceTable(text(dataPath("replace-table.xml")));
}

const char kOk[] = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";

// Whole "200" answers by request path from the test pages in folder, with
// the image host "{IMAGES}" pointed at the server.
inline std::map<std::string, std::string> pages(const testsupport::TestHttpServer& server,
                                                const std::string& folder,
                                                const std::map<std::string, std::string>& files)
{
    std::map<std::string, std::string> answers;
    for (const auto& [path, file] : files) {
        std::vector<uint8_t> bytes = testsupport::readFileBytes(dataPath(folder + file));
        std::string body(bytes.begin(), bytes.end());
        for (size_t at = body.find("{IMAGES}"); at != std::string::npos; at = body.find("{IMAGES}"))
            body.replace(at, 8, server.hostAndPort());
        answers[path] = kOk + body;
    }
    return answers;
}

struct ScriptedChooser : ResultChooser
{
    int answer = -1;
    int calls = 0;
    int choose(UIWidget*, const SearchResultList&) override
    {
        ++calls;
        return answer;
    }
};

struct FakeDownloader : ImageDownloader
{
    std::string stored; // the path to report; empty for a failed download
    mutable std::vector<std::string> asked;
    String downloadImage(const String& url, const String& name) const override
    {
        asked.push_back(utf8(url) + " as " + utf8(name));
        return text(stored);
    }
};

} // namespace extractortest
