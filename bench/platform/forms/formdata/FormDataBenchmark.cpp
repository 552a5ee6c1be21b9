// Parsing cost against the size of the form, beside a bare baseline: one pass over the same
// text that only counts quotes and line breaks. The parser must stay a constant factor of the
// baseline at every size (no quadratic step). The load benchmark reads a form embedded with
// ger_embed_form_data, so it also shows that the embedding works.

#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"
#include "platform/forms/formdata/FormDataParser.h"
#include "platform/forms/formdata/LoadFormData.h"

#include <benchmark/benchmark.h>

namespace {

using namespace ger;

// Takes every property and any enclosing component: the benchmark measures the loader only.
class TBenchComponent : public TComponent {
public:
    using TComponent::TComponent;
    QString ClassName() const override { return QStringLiteral("TBenchComponent"); }
    void SetParentComponent(TComponent*) override {}
    void ReadProperty(const FormDataProperty& property, FormDataContext&) override {
        benchmark::DoNotOptimize(property.value.kind);
    }
};

class TBenchForm : public TBenchComponent {
public:
    using TBenchComponent::TBenchComponent;
    QString ClassName() const override { return QStringLiteral("TBenchForm"); }
};

QString generatedForm(int components) {
    QString text = QStringLiteral("object frmBench: TBenchForm\n");
    for (int i = 0; i < components; ++i)
        text += QStringLiteral("  object edt%1: TBenchComponent\n"
                               "    Left = %1\n"
                               "    Caption = 'Opera'#231#227'o ' +\n      'n'#250'mero %1'\n"
                               "    Items.Strings = (\n      'Sim'\n      'N'#227'o')\n"
                               "    Picture.Data = {\n      07544269746D6170}\n"
                               "  end\n")
                    .arg(i);
    return text + QStringLiteral("end\n");
}

void BM_BaselineScan(benchmark::State& state) {
    const QString text = generatedForm(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        int marks = 0;
        for (QChar c : text)
            marks += (c == QLatin1Char('\'') || c == QLatin1Char('\n')) ? 1 : 0;
        benchmark::DoNotOptimize(marks);
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BaselineScan)->RangeMultiplier(8)->Range(8, 4096)->Complexity(benchmark::oN);

void BM_Parse(benchmark::State& state) {
    const QString text = generatedForm(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FormDataParser::parse(text, QStringLiteral("generated.dfm")));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Parse)->RangeMultiplier(8)->Range(8, 4096)->Complexity(benchmark::oN);

void BM_LoadEmbeddedForm(benchmark::State& state) {
    HandlerTable handlers;
    handlers.add<void(TObject*)>(QStringLiteral("panFilialExit"), [](TObject*) {});
    for (auto _ : state) {
        TBenchForm form(nullptr);
        try {
            LoadFormDataResource(&form, QStringLiteral(":/forms/BenchForm.dfm"), handlers);
        } catch (const Exception& error) {
            state.SkipWithError(error.what());
            break;
        }
        if (form.ComponentCount() != 4) {
            state.SkipWithError("the embedded form did not load its four components");
            break;
        }
    }
}
BENCHMARK(BM_LoadEmbeddedForm);

} // namespace

GER_REGISTER_COMPONENT(TBenchComponent)

BENCHMARK_MAIN();
