// The page of the night: a plot of each value against x, and the table. XHTML with inline SVG,
// nothing fetched, no script; each plot fits a printed page.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "check/values.h"

namespace mk::check {

// `text` for the page: UTF-8 from the console's code page, control bytes as "?", XML escaped.
static std::string escaped(const Machine& machine, std::string_view text) {
  constexpr std::array<std::string_view, 4> kNamed = {"&amp;", "&lt;", "&gt;", "&quot;"};
  std::string xml;
  for (const char c : machine.utf8(text)) {
    const std::size_t named = std::string_view("&<>\"").find(c);
    xml += named < kNamed.size()            ? kNamed[named]
           : (c >= 0 && c < 32) || c == 127 ? "?"
                                            : std::string(1, c);
  }
  return xml;
}

static std::string format(double value, int decimals = 1) {
  std::array<char, 64> digits{};
  std::snprintf(digits.data(), digits.size(), "%.*f", std::max(decimals, 0), value);
  return digits.data();
}

// An axis over `values` (value and spread; NaN: none), from `from` to `to` on the page: ticks every
// 1, 2 or 5 times a power of ten, with the digits that step needs.
struct Axis {
  double low = HUGE_VAL, high = -HUGE_VAL, step = 1, from, to;
  int decimals = 0;
  Axis(const std::vector<std::pair<double, double>>& values, double pageFrom, double pageTo)
      : from(pageFrom), to(pageTo) {
    for (const auto& [value, spread] : values) {
      low = std::isnan(value) ? low : std::min(low, value - spread);
      high = std::isnan(value) ? high : std::max(high, value + spread);
    }
    if (std::isinf(low)) low = high = 0;
    const double spread = high - low > std::abs(high) * 1e-12 ? high - low : std::abs(low);
    const double half = spread > 0 ? spread / 20 : 1;  // room around; a flat series widened
    const double raw = (high - low + 2 * half) / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    step = power * (raw < 1.5 * power ? 1 : raw < 3.5 * power ? 2 : raw < 7.5 * power ? 5 : 10);
    low -= half;
    high += half;
    decimals = static_cast<int>(-std::floor(std::log10(step) + 1e-9));
  }
  [[nodiscard]] std::string at(double value) const {
    return format(from + (value - low) / (high - low) * (to - from));
  }
};

static std::string line(const std::string& x1, const std::string& y1, const std::string& x2,
                        const std::string& y2) {
  return "<line x1=\"" + x1 + "\" y1=\"" + y1 + "\" x2=\"" + x2 + "\" y2=\"" + y2 + "\"/>";
}

static std::string text(const std::string& x, const std::string& y, const std::string& what,
                        const std::string& more = "text-anchor=\"middle\"") {
  return "<text x=\"" + x + "\" y=\"" + y + "\" " + more + ">" + what + "</text>";
}

// The plot of the points (x, value and uncertainty; NaN: none) of the entries `done` or not,
// labelled `xLabel` and `yLabel`: SVG 720 by 320, the axes' corner at (80, 270).
static std::string plot(const std::vector<std::pair<double, double>>& xs,
                        const std::vector<std::pair<double, double>>& ys,
                        const std::vector<bool>& done, const std::string& xLabel,
                        const std::string& yLabel) {
  const Axis x(xs, 80, 700);
  const Axis y(ys, 270, 20);
  std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"720\" height=\"320\" "
      "viewBox=\"0 0 720 320\" font-family=\"sans-serif\" font-size=\"12\">"
      "<style>line{stroke:#000}</style>" +
      line("80", "270", "700", "270") + line("80", "20", "80", "270");
  for (double k = std::ceil(x.low / x.step); k * x.step <= x.high; ++k) {  // 0 as +0, too
    const double t = k * x.step + 0.0;
    svg += line(x.at(t), "270", x.at(t), "276") + text(x.at(t), "290", format(t, x.decimals));
  }
  for (double k = std::ceil(y.low / y.step); k * y.step <= y.high; ++k) {
    const double t = k * y.step + 0.0;
    svg += line("74", y.at(t), "80", y.at(t)) +
           text("70", y.at(t), format(t, y.decimals), "text-anchor=\"end\" dy=\"4\"");
  }
  svg += text("390", "314", xLabel) +
         text("16", "145", yLabel, "text-anchor=\"middle\" transform=\"rotate(-90 16 145)\"");
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const auto [value, esd] = ys[i];
    const std::string at = std::isnan(xs[i].first) ? "" : x.at(xs[i].first);
    if (!at.empty() && !done[i]) svg += text(at, "274", "\u00d7");  // not done
    if (!at.empty() && done[i] && !std::isnan(value))
      svg += "<g class=\"point\">" + line(at, y.at(value - esd), at, y.at(value + esd)) +
             "<circle cx=\"" + at + "\" cy=\"" + y.at(value) + "\" r=\"2.5\"/></g>";
  }
  return svg + "</svg>";
}

constexpr std::string_view kStyle =
    "body{font:14px sans-serif;margin:2em}svg{max-width:100%;height:auto}"
    "section{break-inside:avoid}td,th{padding:0 .6em;text-align:right}";

std::string page(const AfterSite& site, const Values& values, std::string_view name) {
  const Machine& machine = site.machine();
  const std::vector<EntryLeft>& entries = site.entries();
  const auto number = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
  std::vector<std::pair<double, double>> xs;  // --x's number, or the entry's own
  std::vector<bool> done;
  std::string notDone;
  std::string without;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::optional<Number>& x = values.xs[i];
    xs.emplace_back(values.x.empty() ? double(i + 1) : x ? number(x->text) : NAN, 0);
    done.push_back(entries[i].outcome == Outcome::kDone);
    if (!done.back() || std::isnan(xs.back().first))  // done, it is listed without x only
      (done.back() ? without : notDone) += ", " + std::to_string(i + 1);
  }
  const auto newest = entries.empty() ? std::nullopt  // the newest kept file
                                      : std::ranges::max(entries, {}, &EntryLeft::newest).newest;
  const std::string title = escaped(machine, name);
  const std::string xLabel = values.x.empty() ? "entry" : escaped(machine, values.x);
  std::string html =
      "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><head>"
      "<meta charset=\"utf-8\"/><title>" +
      title + "</title><style>" + std::string(kStyle) + "</style></head><body><h1>" +
      "The night of " + title + " in " + escaped(machine, site.script().current.value_or("")) +
      (newest ? ", " + localTime(*newest).substr(0, 10) : "") + "</h1><p>" +
      counted(entries.size(), "entry") + ": " + std::to_string(std::ranges::count(done, true)) +
      " done, " + std::to_string(std::ranges::count(done, false)) + " not done" +
      (notDone.empty() ? "" : " (" + notDone.substr(2) + ", marked \u00d7 on the x axis)") +
      (without.empty() ? "" : "; not plotted, without " + xLabel + ": " + without.substr(2)) +
      ". Units are those of the kept files: the checker does not know them.</p>";
  std::string table = "<table><tr><th>entry</th><th>data name</th>" +
                      (values.x.empty() ? "" : "<th>" + xLabel + "</th>");
  for (std::size_t column = 0; column < values.names.size(); ++column) {
    const std::string yLabel = escaped(machine, values.names[column]);
    std::vector<std::pair<double, double>> ys;
    for (const std::vector<std::optional<Number>>& row : values.cells)
      ys.emplace_back(row[column] ? number(row[column]->text) : NAN,
                      row[column] ? number(row[column]->esd) : 0);
    html.append("<section><h2>").append(yLabel).append(" against ").append(xLabel).append("</h2>");
    html.append(plot(xs, ys, done, xLabel, yLabel)).append("</section>");
    table.append("<th>").append(yLabel).append("</th>");
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    table += "</tr><tr><td>" + std::to_string(i + 1) + "</td><td>" +
             escaped(machine, entries[i].data) +
             (values.x.empty() ? "" : "</td><td>" + (values.xs[i] ? values.xs[i]->text : ""));
    for (const std::optional<Number>& cell : values.cells[i])
      table += "</td><td>" + (cell ? shown(*cell) : "");
    table += "</td>";
  }
  return html + table + "</tr></table></body></html>\n";
}

}  // namespace mk::check
