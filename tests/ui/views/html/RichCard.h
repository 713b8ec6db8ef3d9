#pragma once

// A movie card as our templates shape it, for a rich movie: poster floated
// beside a details table, plot, 50 cast rows, 100 episodes in 5 seasons with
// play elements, and links. Colours follow the card's look.
#include <string>

constexpr int kRichCardCast = 50;
constexpr int kRichCardSeasons = 5;
constexpr int kRichCardEpisodesPerSeason = 20;

inline std::string richCardHtml(const std::string& posterPath)
{
    std::string html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>The Long Voyage &amp; Home</title>"
        "<style>\n"
        "body { margin: 16px; background-color: rgb(255,255,255); color: rgb(31,35,40);"
        " font-family: Arial, sans-serif; font-size: 13px; line-height: 18px; }\n"
        "#poster { float: left; margin: 0 16px 16px 0; border: 1px solid #D3D8DF; }\n"
        "h1 { color: rgb(200,30,40); font-size: 20px; line-height: 28px; margin: 0 0 4px 0; }\n"
        ".meta { color: #5B6470; font-size: 12px; }\n"
        "table.details { border-collapse: collapse; margin-top: 8px; }\n"
        "table.details td { padding: 2px 12px 2px 0; vertical-align: top; }\n"
        "td.label { color: #5B6470; }\n"
        ".section { clear: both; padding-top: 12px; }\n"
        ".section h2 { font-size: 14px; margin: 0 0 6px 0; border-bottom: 1px solid #D3D8DF; }\n"
        ".plot { white-space: pre-wrap; line-height: 19px; }\n"
        "#cast td.character, .season td.date { color: #5B6470; }\n"
        ".season { border-top: 1px solid #D3D8DF; margin-top: 8px; }\n"
        "a { color: #2F6FDE; text-decoration: none; }\n"
        ".play { display: inline-block; color: #FFFFFF; background-color: #2F6FDE; padding: 1px 8px; }\n"
        "</style></head><body>\n"
        "<img id=\"poster\" width=200 src=\"" +
        posterPath +
        "\"/>\n"
        "<h1 id=\"title\">The Long Voyage &amp; Home</h1>\n"
        "<div class=\"meta\" id=\"meta\">Le long voyage (original title) &middot; 2004</div>\n"
        "<div><span id=\"@play\" class=\"play\">Play</span></div>\n"
        "<table class=\"details\" id=\"details\">"
        "<tr><td class=\"label\">Genre</td><td>Drama, Adventure</td></tr>"
        "<tr><td class=\"label\">Director</td><td>Ann Example</td></tr>"
        "<tr><td class=\"label\">Country</td><td>France, Canada</td></tr>"
        "<tr><td class=\"label\">Runtime</td><td>2h 14m</td></tr>"
        "<tr><td class=\"label\">Seen It</td><td>Yes</td></tr></table>\n"
        "<div class=\"section\" id=\"plot\"><h2>Plot</h2><div class=\"plot\">A sailor comes home after "
        "twenty years at sea and finds the harbour town changed.\n\nHe sets out to find the people he left "
        "behind, one letter at a time.</div></div>\n"
        "<div class=\"section\"><h2>Cast</h2><table id=\"cast\">";
    for (int i = 0; i < kRichCardCast; ++i) {
        const std::string n = std::to_string(i);
        html += "<tr id=\"cast" + n + "\"><td class=\"actor\">Actor " + n +
                "</td><td class=\"character\">Character " + n + "</td></tr>";
    }
    html += "</table></div>\n<div class=\"section\"><h2>5 Seasons, 100 Episodes</h2>";
    for (int season = 1; season <= kRichCardSeasons; ++season) {
        html += "<table class=\"season\">";
        for (int episode = 1; episode <= kRichCardEpisodesPerSeason; ++episode) {
            const std::string id = std::to_string(season) + "." + std::to_string(episode);
            html += "<tr><td>" + id + "</td><td><b>Episode " + id + "</b> <span class=\"meta\">2004/0" +
                    std::to_string(season) + "/1" + std::to_string(episode % 10) +
                    "</span><br>The crew faces the storm of the season, and the captain makes a hard choice "
                    "about the cargo.</td><td><span class=\"play\" id=\"@play-episode-" +
                    id + "\">Play</span></td></tr>";
        }
        html += "</table>";
    }
    html += "</div>\n<div class=\"section\"><h2>Links</h2>"
            "<a href=\"http://example.com/voyage\" id=\"link0\">Official site</a><br>"
            "<a href=\"file:///C:/Movies/voyage.mkv\">Movie file</a><br>"
            "<a href=\"http://example.com/trailer\">Trailer</a></div>\n</body></html>";
    return html;
}
