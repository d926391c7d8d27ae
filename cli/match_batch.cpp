#include "cli/match_batch.h"

#include <optional>
#include <string>

#include "cli/batch_header.h"
#include "cli/batch_row.h"
#include "cli/csv_output.h"
#include "cli/csv_reader.h"
#include "matching/match_text.h"
#include "model/reference_tables.h"
#include "reading/couple_match.h"

namespace orbalis::cli {
namespace {

using namespace matching;

constexpr std::size_t kAdded = kMatchBatchOutputColumns.size();

// One person of the couple: where the columns are and the towns seen so far.
struct Side {
    BatchHeader header;
    std::optional<BatchPlaces> places;
};

class CoupleRows final : public BatchRows {
  public:
    explicit CoupleRows(const BatchOptions& options) : options_(options) {}

    bool ReadHeader(CsvReader& reader, char delimiter, CsvRow& row, std::string& problem) override {
        groom_ = ReadBatchHeader(reader, delimiter, row, problem, kGroomPrefix);
        if (!groom_) return false;
        bride_ = BatchHeaderOf(row, groom_->delimiter, kBridePrefix, problem);
        return bride_.has_value();
    }

    void WriteHeader(CsvWriter& writer, const CsvRow& header) override {
        for (std::size_t i = 0; i < header.fieldCount; ++i) writer.Field(header.fields[i]);
        for (std::string_view column : kMatchBatchOutputColumns) writer.Field(column);
        writer.EndRow();
    }

    class Worker final : public BatchRows::Worker {
      public:
        explicit Worker(const CoupleRows& rows) : rows_(rows) {
            sides_[0].header = *rows.groom_;
            sides_[1].header = *rows.bride_;
            for (Side& side : sides_)
                if (side.header.placeColumn != kMaxColumns) side.places.emplace();
        }

        bool WriteRow(const CsvRow& row, CsvWriter& writer) override {
            const std::size_t width = sides_[0].header.width;
            for (std::size_t i = 0; i < width; ++i)
                writer.Field(i < row.fieldCount ? std::string_view(row.fields[i])
                                                : std::string_view{});
            std::string refusal = RowWidthProblem(row, sides_[0].header);
            const std::string_view prefixes[] = {kGroomPrefix, kBridePrefix};
            for (int i = 0; i < 2 && refusal.empty(); ++i) {
                Side& side = sides_[i];
                ComputeBatchBirth(row, side.header, rows_.options_.positions, readings_[i], refusal,
                                  side.places ? &*side.places : nullptr, prefixes[i]);
            }
            std::optional<CoupleMatch> match;
            if (refusal.empty()) {
                match = MatchCouple("groom", readings_[0].chart, "bride", readings_[1].chart,
                                    rows_.options_.vashya);
                if (!match) refusal = "a Moon, Lagna or planet has no sign";
            }
            if (!match) {
                for (std::size_t i = 0; i + 2 < kAdded; ++i) writer.Field({});
                writer.Field("refused");
                writer.Field(refusal);
                writer.EndRow();
                return false;
            }
            WriteMatch(*match, writer);
            return true;
        }

      private:
        static void WriteMatch(const CoupleMatch& match, CsvWriter& writer) {
            for (const MoonPlacement* moon : {&match.moons.groom, &match.moons.bride}) {
                writer.Field(SignNames[static_cast<std::size_t>(moon->sign)]);
                writer.Field(kNakshatraNames[static_cast<std::size_t>(moon->nakshatra)]);
                writer.Field(std::to_string(moon->pada));
            }
            const Ashtakoota& scores = match.moons.ashtakoota;
            for (int half : scores.halfPoints) writer.Field(PointsText(half));
            writer.Field(PointsText(scores.totalHalfPoints));
            writer.Field(GunaBandText(scores.band(), English()));
            writer.Field(std::to_string(match.moons.poruthams.count()));
            std::string failed;
            for (int p = 0; p < kPoruthamCount; ++p) {
                if (match.moons.poruthams.passed[static_cast<std::size_t>(p)]) continue;
                if (!failed.empty()) failed += ' ';
                failed += PoruthamNames[static_cast<std::size_t>(p)].key;
            }
            writer.Field(failed);
            writer.Field(match.manglik.balanced     ? "balanced"
                         : match.manglik.party == 0 ? "not balanced: groom"
                                                    : "not balanced: bride");
            writer.Field("ok");
            writer.Field({});
            writer.EndRow();
        }

        const CoupleRows& rows_;
        Side sides_[2];
        BatchReading readings_[2];
    };

    std::unique_ptr<BatchRows::Worker> MakeWorker() override {
        return std::make_unique<Worker>(*this);
    }

  private:
    BatchOptions options_;
    std::optional<BatchHeader> groom_;
    std::optional<BatchHeader> bride_;
};

}  // namespace

BatchSummary RunMatchBatch(std::FILE* in, std::FILE* out, const BatchOptions& options) {
    CoupleRows rows(options);
    return RunBatchRows(in, out, options, rows);
}

}  // namespace orbalis::cli
