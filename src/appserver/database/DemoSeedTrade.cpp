#include "appserver/database/DemoDatabase.h"
#include "appserver/database/DemoSeedData.h"

#include <iterator>

namespace ger {

namespace {

using D = DemoSeedData;

// Entry/exit indicator and in-use flag: most "S"; 05 and 20 are out of use, 30, 33 and 34
// are not offered to clients (indicator "N"), 34 both.
constexpr D::OperationType kOperationTypes[] = {
    {"01", "Venda de mercadoria", 'S', 'S'},
    {"02", "Venda de produção própria", 'S', 'S'},
    {"03", "Venda para entrega futura", 'S', 'S'},
    {"04", "Venda a consumidor final", 'S', 'S'},
    {"05", "Venda fora do estabelecimento", 'S', 'N'},
    {"06", "Devolução de compra", 'S', 'S'},
    {"07", "Devolução de venda", 'S', 'S'},
    {"08", "Compra para comercialização", 'S', 'S'},
    {"09", "Compra para industrialização", 'S', 'S'},
    {"10", "Compra de ativo imobilizado", 'S', 'S'},
    {"11", "Compra de material de consumo", 'S', 'S'},
    {"12", "Transferência entre filiais", 'S', 'S'},
    {"13", "Transferência de ativo", 'S', 'S'},
    {"14", "Remessa para conserto", 'S', 'S'},
    {"15", "Retorno de conserto", 'S', 'S'},
    {"16", "Remessa em comodato", 'S', 'S'},
    {"17", "Retorno de comodato", 'S', 'S'},
    {"18", "Bonificação", 'S', 'S'},
    {"19", "Amostra grátis", 'S', 'S'},
    {"20", "Remessa para demonstração", 'S', 'N'},
    {"21", "Retorno de demonstração", 'S', 'S'},
    {"22", "Remessa para industrialização", 'S', 'S'},
    {"23", "Retorno de industrialização", 'S', 'S'},
    {"24", "Remessa em consignação", 'S', 'S'},
    {"25", "Venda de consignação", 'S', 'S'},
    {"26", "Remessa para armazém geral", 'S', 'S'},
    {"27", "Retorno de armazém geral", 'S', 'S'},
    {"28", "Exportação direta", 'S', 'S'},
    {"29", "Remessa com fim de exportação", 'S', 'S'},
    {"30", "Importação", 'N', 'S'},
    {"31", "Doação", 'S', 'S'},
    {"32", "Brinde", 'S', 'S'},
    {"33", "Perda, roubo ou deterioração", 'N', 'S'},
    {"34", "Ajuste de estoque", 'N', 'N'},
    {"35", "Prestação de serviço", 'S', 'S'},
};

// Registration numbers without punctuation; the last two clients are foreign and have none.
constexpr D::Client kClients[] = {
    {'F', "92090028068", "Maria Aparecida da Silva", nullptr},
    {'J', "83646835000140", "Supermercado Bom Preço Ltda.", "Bom Preço"},
    {'F', "12856860710", "José Carlos de Oliveira", nullptr},
    {'J', "43652641000133", "Padaria Pão Dourado Ltda. ME", "Pão Dourado"},
    {'F', "20030234883", "Ana Paula Ferreira", nullptr},
    {'J', "05161748000190", "Auto Peças Rodovia Ltda.", "Rodovia Peças"},
    {'F', "08416913200", "João Batista Santos", nullptr},
    {'J', "99702974000184", "Farmácia Saúde Total Ltda.", "Saúde Total"},
    {'F', "56050916705", "Francisca das Chagas Lima", nullptr},
    {'J', "8O41JMRG000116", "Atacadão Nordeste Ltda.", "Atacadão Nordeste"},
    {'F', "97685437791", "Antônio Marcos Pereira", nullptr},
    {'J', "44823620000104", "Construtora Alicerce S.A.", "Alicerce"},
    {'F', "22391974043", "Luciana Rodrigues Costa", nullptr},
    {'J', "41400107000104", "Distribuidora de Bebidas Serra Azul Ltda.", "Serra Azul"},
    {'F', "90782752004", "Carlos Eduardo Almeida", nullptr},
    {'J', "36355691000193", "Metalúrgica Aço Forte Ltda.", "Aço Forte"},
    {'F', "58361482016", "Juliana Souza Ribeiro", "Ju Doces"},
    {'J', "77083042000168", "Comércio de Tecidos Fio de Ouro Ltda.", "Fio de Ouro"},
    {'F', "66554516476", "Paulo Henrique Martins", nullptr},
    {'J', "7UUG46LD000166", "Cooperativa Agrícola Planalto", "Coop Planalto"},
    {'F', "35161368470", "Fernanda Gomes Barbosa", nullptr},
    {'J', "88436542000152", "Transportadora Rápido Sul Ltda.", "Rápido Sul"},
    {'F', "25331352839", "Ricardo Alves Nascimento", nullptr},
    {'J', "17750327000183", "Papelaria Lápis de Cor Ltda. ME", "Lápis de Cor"},
    {'F', "26448316523", "Patrícia Carvalho Rocha", nullptr},
    {'J', "46667678000123", "Agropecuária Campo Verde Ltda.", "Campo Verde"},
    {'F', "06709198375", "Marcelo Teixeira Dias", "Oficina do Marcelo"},
    {'J', "98519993000107", "Móveis e Decorações Lar Feliz Ltda.", "Lar Feliz"},
    {'F', "16299986301", "Adriana Lopes Moreira", nullptr},
    {'J', "1R8Z1BP4000182", "Têxtil Algodão Nativo S.A.", "Algodão Nativo"},
    {'F', "50018597351", "Rafael Cardoso Mendes", nullptr},
    {'J', "24092000000127", "Eletrônica Circuito Ltda.", "Circuito"},
    {'F', "06787195788", "Camila Araújo Freitas", nullptr},
    {'J', "86030538000164", "Laticínios Vale do Leite S.A.", "Vale do Leite"},
    {'F', "75558512610", "Roberto Nunes Cavalcanti", nullptr},
    {'J', "19807618000196", "Materiais de Construção Tijolão Ltda.", "Tijolão"},
    {'F', "26226113820", "Sandra Regina Pinto", nullptr},
    {'J', "52114469000155", "Restaurante Sabor Caseiro Ltda.", "Sabor Caseiro"},
    {'F', "77463748405", "Eduardo Vieira Monteiro", nullptr},
    {'J', "IR5E5YAF000120", "Logística Porto Seguro Ltda.", "Porto Seguro Log"},
    {'F', "59956850314", "Aline Batista Correia", nullptr},
    {'J', "16596609000105", "Calçados Passo Firme Ltda.", "Passo Firme"},
    {'F', "79656496400", "Sérgio Ramos Azevedo", nullptr},
    {'J', "54558564000173", "Hospital São Lucas S.A.", "São Lucas"},
    {'F', "47280207626", "Cláudia Moura Fernandes", nullptr},
    {'J', "45973536000121", "Informática Byte Certo Ltda.", "Byte Certo"},
    {'F', "31675454701", "Thiago Castro Barros", nullptr},
    {'J', "82084442000128", "Cerâmica Terra Nova Ltda.", "Terra Nova"},
    {'F', "37049848921", "Vanessa Duarte Campos", nullptr},
    {'J', "37051299000113", "Gráfica Impressão Viva Ltda.", "Impressão Viva"},
    {'F', "71416210830", "Gustavo Henrique Lima", nullptr},
    {'J', "23927223000102", "Óticas Visão Clara Ltda.", "Visão Clara"},
    {'J', "CF4MAUNB000112", "Mercado Central do Vale Ltda.", "Mercado Central"},
    {'J', "96979594000101", "Posto Estrela da Manhã Ltda.", "Estrela da Manhã"},
    {'J', nullptr, "Andes Trading S.A.", "Andes Trading"},
    {'J', nullptr, "Rio de la Plata Importaciones S.R.L.", "Rio de la Plata"},
};

static_assert(std::size(kClients) == DemoDatabase::kSeedClients,
              "DemoDatabase::kSeedClients counts the seed's clients");

} // namespace

std::span<const D::OperationType> DemoSeedData::OperationTypes() {
    return kOperationTypes;
}
std::span<const D::Client> DemoSeedData::Clients() {
    return kClients;
}

} // namespace ger
