#include "results_table.h"

#include "statistics.h"

#include <algorithm>

namespace {

struct Metric {
    const char* heading;
    double RunSample::*field;
    const char* format; // of one figure
};

const Metric metrics[] = {
    {"frames/s", &RunSample::framesPerSecond, "%.0f"},
    {"start ms", &RunSample::startupMs, "%.1f"},
    {"close ms", &RunSample::closeMs, "%.1f"},
    {"peak RSS MiB", &RunSample::peakResidentMiB, "%.1f"},
    {"CPU us/frame", &RunSample::cpuMicrosPerFrame, "%.0f"},
};

const int nameWidth = 12; // "talvo before"
const int clientWidth = 11;
const int bitsWidth = 10;
const int columnWidth = 20;

Spread metricSpread(const ProgramResults& results, const Metric& metric) {
    std::vector<double> values;
    for (const RunSample& sample : results.samples)
        values.push_back(sample.*(metric.field));
    return spreadOf(values);
}

std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string spreadText(const Spread& spread, const char* format) {
    return formatted(format, spread.median) + " [" + formatted(format, spread.min) + "-" +
           formatted(format, spread.max) + "]";
}

std::string clientSizeText(const ProgramResults& results) {
    const ClientSize size = results.samples.front().clientSize;
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

// Colour (red, green and blue) and depth bits of the frame buffer, as "24/16"; each pair the
// runs had, should they differ.
std::string frameBufferText(const ProgramResults& results) {
    std::vector<std::string> pairs;
    for (const RunSample& sample : results.samples) {
        const std::string pair =
            std::to_string(sample.colorBits) + "/" + std::to_string(sample.depthBits);
        if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end())
            pairs.push_back(pair);
    }
    std::string text;
    for (const std::string& pair : pairs)
        text += (text.empty() ? "" : ",") + pair;
    return text;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.resize(width, ' ');
    return text;
}

// One line of a table: the program's name, client size and frame buffer, then the metrics'
// cells, lined up.
void printRow(std::FILE* out, const std::string& name, const std::string& client,
              const std::string& bits, const std::vector<std::string>& cells) {
    std::string line = padded(name, nameWidth) + "  " + padded(client, clientWidth) + "  " +
                       padded(bits, bitsWidth);
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += "  " + (i + 1 < cells.size() ? padded(cells[i], columnWidth) : cells[i]);
    std::fprintf(out, "%s\n", line.c_str());
}

void printHeadings(std::FILE* out, const char* first, const char* client, const char* bits) {
    std::vector<std::string> headings;
    for (const Metric& metric : metrics)
        headings.push_back(metric.heading);
    printRow(out, first, client, bits, headings);
}

void printFigures(std::FILE* out, const std::vector<ProgramResults>& results) {
    printHeadings(out, "program", "client", "RGB/depth");
    for (const ProgramResults& program : results) {
        std::vector<std::string> cells;
        for (const Metric& metric : metrics)
            cells.push_back(spreadText(metricSpread(program, metric), metric.format));
        printRow(out, program.name, clientSizeText(program), frameBufferText(program), cells);
    }
}

void printRatios(std::FILE* out, const std::vector<ProgramResults>& results) {
    const ProgramResults& first = results.front();
    std::fprintf(out,
                 "\n%s / other, medians (frames/s: above 1 is faster; the rest: below 1 "
                 "is less)\n",
                 first.name.c_str());
    printHeadings(out, "other", "", "");
    for (std::size_t i = 1; i < results.size(); ++i) {
        std::vector<std::string> cells;
        for (const Metric& metric : metrics)
            cells.push_back(formatted("%.2f", metricSpread(first, metric).median /
                                                  metricSpread(results[i], metric).median));
        printRow(out, results[i].name, "", "", cells);
    }
}

} // namespace

void printResultsTable(std::FILE* out, const std::string& title,
                       const std::vector<ProgramResults>& results) {
    std::fprintf(out, "\n%s: median [min-max] of %zu runs each\n", title.c_str(),
                 results.front().samples.size());
    printFigures(out, results);
    if (results.size() > 1)
        printRatios(out, results);
}
