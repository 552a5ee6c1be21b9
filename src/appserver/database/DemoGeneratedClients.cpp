#include "appserver/database/DemoGeneratedClients.h"

#include "appserver/database/DemoSeedData.h"
#include "appserver/database/TaxNumber.h"

#include <QSet>
#include <algorithm>
#include <array>

namespace ger {

namespace {

constexpr std::array kFirstNames{
    "Ana",      "Bruno",  "Carla",   "Daniel",  "Eliane",  "Fábio",   "Gabriela", "Hugo",
    "Isabela",  "Jorge",  "Karina",  "Leandro", "Mariana", "Nelson",  "Olívia",   "Pedro",
    "Quitéria", "Renato", "Simone",  "Tiago",   "Úrsula",  "Vitor",   "Wanda",    "Xavier",
    "Yara",     "Zeca",   "Beatriz", "Caio",    "Débora",  "Emerson", "Flávia",   "Gilberto",
    "Helena",   "Igor",   "Joana",   "Lucas",   "Márcia",  "Otávio",  "Raquel",   "Sílvio"};

constexpr std::array kSurnames{
    "Silva",    "Santos",    "Oliveira", "Souza",   "Rodrigues",  "Ferreira", "Alves",   "Pereira",
    "Lima",     "Gomes",     "Costa",    "Ribeiro", "Martins",    "Carvalho", "Almeida", "Lopes",
    "Soares",   "Fernandes", "Vieira",   "Barbosa", "Rocha",      "Dias",     "Nunes",   "Mendes",
    "Moreira",  "Cardoso",   "Teixeira", "Correia", "Pinto",      "Araújo",   "Machado", "Freitas",
    "Monteiro", "Campos",    "Batista",  "Moura",   "Cavalcanti", "Ramos",    "Duarte",  "Castro"};

constexpr std::array kTrades{"Comércio",    "Distribuidora", "Indústria",   "Transportes",
                             "Mercado",     "Farmácia",      "Padaria",     "Construtora",
                             "Auto Peças",  "Materiais",     "Confecções",  "Laticínios",
                             "Metalúrgica", "Papelaria",     "Informática", "Agropecuária",
                             "Móveis",      "Calçados",      "Ótica",       "Restaurante"};

constexpr std::array kWords{
    "Alvorada", "Horizonte", "Estrela",   "Central",  "Boa Vista", "Primavera", "Aurora",
    "Paraná",   "Atlântico", "Cerrado",   "Litoral",  "Serrana",   "Pioneira",  "Nacional",
    "Imperial", "Progresso", "União",     "Brasil",   "Sertão",    "Pantanal",  "Ipê",
    "Jatobá",   "Araucária", "Cristal",   "Diamante", "Esmeralda", "Rubi",      "Safira",
    "Planalto", "Mirante",   "Vale",      "Colina",   "Ribeira",   "Cascata",   "Lagoa",
    "Marajó",   "Tocantins", "Guanabara", "Paulista", "Mineira"};

constexpr std::array kLegalForms{"Ltda.", "S.A.", "Ltda. ME", "EIRELI"};

// One-to-one on [0, 10^9) and [0, 10^8): the multipliers (3^18, 3^16) are prime to 10.
constexpr qint64 kCpfSpace = 1000000000;
constexpr qint64 kCpfMultiplier = 387420489;
constexpr qint64 kCpfOffset = 135792468;
constexpr qint64 kCnpjRootSpace = 100000000;
constexpr qint64 kCnpjMultiplier = 43046721;
constexpr qint64 kCnpjOffset = 24681357;

template <class Words> QString Pick(const Words& words, qint64 index) {
    return QString::fromUtf8(words[static_cast<size_t>(index % qint64(words.size()))]);
}

QString Padded(qint64 value, int width) {
    return QString::number(value).rightJustified(width, u'0');
}

QString CpfCandidate(qint64 j) {
    const QString body = Padded((j * kCpfMultiplier + kCpfOffset) % kCpfSpace, 9);
    return body + TaxNumber::CpfCheckDigits(body);
}

QString CnpjCandidate(qint64 j) {
    const QString body =
        Padded((j * kCnpjMultiplier + kCnpjOffset) % kCnpjRootSpace, 8) + QStringLiteral("0001");
    return body + TaxNumber::CnpjCheckDigits(body);
}

bool IsOneRepeatedCharacter(const QString& text) {
    return text.count(text.front()) == text.size();
}

// Hands out the numbers of one kind in order, skipping those the seed holds.
class NumberSequence {
public:
    NumberSequence(QString (*candidate)(qint64), const QSet<QString>& taken)
        : m_candidate(candidate)
        , m_taken(taken) {}

    QString next() {
        for (;;) {
            QString number = m_candidate(m_next++);
            if (!m_taken.contains(number) && !IsOneRepeatedCharacter(number))
                return number;
        }
    }

private:
    QString (*m_candidate)(qint64);
    const QSet<QString>& m_taken;
    qint64 m_next = 0;
};

QSet<QString> SeedNumbers() {
    QSet<QString> numbers;
    for (const DemoSeedData::Client& client : DemoSeedData::Clients())
        if (client.number)
            numbers.insert(QString::fromLatin1(client.number));
    return numbers;
}

// The word indexes of name `index`: its digits in the mixed radix of the lists, each shifted by
// the one before. One combination per index below the product of the sizes, as without the
// shift, and a name rarely takes the same word twice.
struct NameWords {
    qint64 first, second, third;
};

NameWords WordsOf(qint64 index, qint64 firstSize, qint64 otherSize) {
    const qint64 first = index % firstSize;
    const qint64 second = (index / firstSize + first) % otherSize;
    const qint64 third = (index / (firstSize * otherSize) + second + 1) % otherSize;
    return {first, second, third};
}

DemoGeneratedClients::Client Person(qint64 p, QString number) {
    const NameWords w = WordsOf(p, qint64(kFirstNames.size()), qint64(kSurnames.size()));
    const QString name = Pick(kFirstNames, w.first) + u' ' + Pick(kSurnames, w.second) + u' ' +
                         Pick(kSurnames, w.third);
    return {u'F', std::move(number), name, QString()};
}

DemoGeneratedClients::Client Company(qint64 c, QString number) {
    const qint64 trades = qint64(kTrades.size());
    const qint64 words = qint64(kWords.size());
    const NameWords w = WordsOf(c, trades, words);
    const QString tradeName = Pick(kWords, w.second) + u' ' + Pick(kWords, w.third);
    const QString name = Pick(kTrades, w.first) + u' ' + tradeName + u' ' +
                         Pick(kLegalForms, c / (trades * words * words) + c);
    return {u'J', std::move(number), name, tradeName};
}

} // namespace

std::vector<DemoGeneratedClients::Client> DemoGeneratedClients::Generate(int count) {
    const QSet<QString> taken = SeedNumbers();
    NumberSequence cpfs(CpfCandidate, taken);
    NumberSequence cnpjs(CnpjCandidate, taken);
    std::vector<Client> clients;
    clients.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int k = 0; k < count; ++k) {
        if (k % 2 == 0)
            clients.push_back(Person(k / 2, cpfs.next()));
        else
            clients.push_back(Company(k / 2, cnpjs.next()));
    }
    return clients;
}

} // namespace ger
