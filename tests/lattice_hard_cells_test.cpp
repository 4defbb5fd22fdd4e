// Cells no ordinary setting gives: far from reduced, nearly flat, or with edges far apart.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lattice/analysis.hpp"
#include "lattice/metric.hpp"
#include "lattice_fixtures.hpp"

namespace {

using namespace lattice;

struct hard_cell {
  const char* name;
  cell input;
  cell niggli;
  const char* bravais;
  double length_tolerance;  // relative
  double angle_tolerance;   // degrees
};

void PrintTo(const hard_cell& h, std::ostream* out) {
  *out << h.name;
}

class HardCells : public testing::TestWithParam<hard_cell> {};

TEST_P(HardCells, ReduceToTheReferenceNiggliCellAndType) {
  const hard_cell& h = GetParam();
  const analysis a = analyse(h.input, {});
  const auto found = a.reduced.parameters(), expected = h.niggli.parameters();
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(found[i], expected[i], h.length_tolerance * expected[i]) << "edge " << i;
  for (int i = 3; i < 6; ++i)
    EXPECT_NEAR(found[i], expected[i], h.angle_tolerance) << "angle " << i;
  EXPECT_EQ(bravais_name(a.lattices.front().bravais), h.bravais);
  EXPECT_EQ(determinant(a.reduced_matrix), (std::pair<long long, long long>{1, 1}));
}

// The cells of cctbx's reduction tests (cctbx/regression/tst_krivy_gruber.py) that need many
// steps or have edges far apart, then lattices of every type in settings with entries up to 50,
// cells with V/abc from 1e-3 down to 1e-7 and cells with edges 1e3 to 1e5 apart. Their Niggli
// cells and types are cctbx's (Debian's python3-cctbx 2022.9: niggli_reduction, and
// metric_subgroups at 3 degrees), computed once by `tools/lattice-hard-cells table 20261208 14`;
// each cell is that of cctbx's basis worked out in 60 digits, as cctbx's own Gruber vector
// drifts over the thousands of steps some of these cells take. In gk2004_edges_apart cctbx keeps
// b where b - c is shorter by 4e-9 of its length, within its epsilon (1e-5 V^(1/3)), which
// turns the angles by 0.004 degrees: its two rows allow 0.01 degrees.
const hard_cell kHardCells[] = {
    {"gk2004_many_steps",
     {80.81618639218136, 81.02128950264881, 140.6784408482614, 29.93254012899977, 89.92047105556459,
      119.85301114570319},
     {0.14368391439906983, 8.02089076220952, 19.383771451745346, 87.54915425628243,
      89.97253101552229, 89.66151772507648},
     "mC",
     1.0e-06,
     1.0e-04},
    {"gk2004_edges_apart",
     {69.05901447728604, 48.67438608697134, 0.004819479711429674, 89.9951455761858,
      89.99984057694608, 99.48465609003487},
     {0.004819479711429674, 48.67438608697134, 69.0590146320466, 80.51534358794129,
      89.99616087415181, 89.9951455761858},
     "mP",
     1.0e-06,
     1.0e-02},
    {"gk2004_edges_apart_rounded",
     {69.06, 48.67, 0.00482, 89.995, 89.9998, 99.485},
     {0.00482, 48.67, 69.06000015137948, 80.51499966717424, 89.99620107650058, 89.995},
     "mP",
     1.0e-06,
     1.0e-02},
    {"ssz59_treacy",
     {12.7366, 29.23, 5.0242, 94.657, 100.863, 99.7561},
     {5.0242, 12.7366, 29.23, 99.7561, 94.657, 100.863},
     "mC",
     1.0e-06,
     1.0e-04},
    {"ssz59_burton",
     {12.7806, 12.7366, 29.457, 103.42, 103.57, 22.71},
     {5.024199761146643, 12.7366, 29.22995166394062, 99.75606902667835, 94.65701948161806,
      100.86304133291141},
     "mC",
     1.0e-06,
     1.0e-04},
    {"gruber1973_start",
     {2.0, 11.661903789690601, 8.717797887081348, 139.6673098564518, 152.74609947587507,
      19.3966256785532},
     {2.0, 4.0, 3.999999999999997, 60.000000000000036, 79.19307712513964, 75.52248781407008},
     "mC",
     1.0e-06,
     1.0e-04},
    {"krivy_gruber1976_start",
     {3.0, 5.196152422706632, 2.0, 103.9197485560956, 109.47122063449069, 134.88210711680557},
     {2.0, 3.0, 3.0, 60.0, 75.52248781407008, 70.52877936550931},
     "aP",
     1.0e-06,
     1.0e-04},
    {"problem_parameters_6",
     {19.79898987322333, 231.21851136965654, 14.352700094407323, 133.37207519042573,
      92.01667384074341, 134.55815348093702},
     {13.638181696986075, 14.352700094407323, 14.352700094407558, 60.00000000000052,
      61.63358061488512, 61.633580614882526},
     "tI",
     1.0e-06,
     1.0e-04},
    {"edges_20000_apart",
     {1, 1, 20000, 90, 90, 90},
     {1.0, 1.0, 20000.0, 90.0, 90.0, 90.0},
     "tP",
     1.0e-06,
     1.0e-04},
    {"problem_parameters_8",
     {16.046806535881213, 13.341664064126334, 197.64614845728718, 153.28759931491018,
      114.05435960569044, 92.54325698079825},
     {12.609520212918566, 13.341664064126334, 13.341664064126402, 60.000000000000156,
      76.33286202841656, 61.79928588281234},
     "mC",
     1.0e-06,
     1.0e-04},
    {"setting_aP_0",
     {28.26751287366999, 53.93812931871891, 11.580868412028885, 35.82099866269592,
      150.85749089226866, 172.58472760378532},
     {7.59929404783567, 7.82130549499816, 9.057883458460765, 82.98913527585563, 85.3182639336377,
      82.65631381189885},
     "mC",
     1.0e-06,
     1.0e-04},
    {"setting_mP_1",
     {32.366378082324054, 22.717073069664046, 66.81226010022371, 174.16723449066993,
      175.5504965051265, 9.788077669208874},
     {4.3065096018956295, 5.513099340340423, 9.591762205992946, 89.9999999999998, 92.75256362498406,
      89.9999999999995},
     "oP",
     1.0e-06,
     1.0e-04},
    {"setting_mC_2",
     {67.29331534692693, 33.64564204089901, 9.630565180437978, 63.46476530753167,
      59.451922331150904, 4.016997141447379},
     {3.2066132084987706, 4.716885678301187, 4.716885678301209, 101.99601751790674,
      107.81427118967963, 107.81427118968242},
     "mC",
     1.0e-06,
     1.0e-04},
    {"setting_oP_3",
     {8.099026177098171, 81.64186780714137, 114.32232432428742, 178.98550377575023,
      7.336636384087018, 172.7562577423213},
     {4.499905636992565, 4.62933382261328, 8.099026177098171, 90.00000000000003, 89.99999999999999,
      89.99999999999922},
     "tP",
     1.0e-06,
     1.0e-04},
    {"setting_oC_4",
     {40.69329004219782, 75.42217277324359, 32.98691832429596, 17.13581583841923, 170.1009326261239,
      172.754322588432},
     {3.771882595974829, 3.7718825959739584, 11.558987053968862, 90.00000000000243,
      90.00000000000111, 119.73046939100836},
     "hP",
     1.0e-06,
     1.0e-04},
    {"setting_oI_5",
     {55.85288461393954, 33.48941405087052, 7.663378949014229, 55.10497019607701, 51.87135244018388,
      3.4640226313654283},
     {6.618891544183916, 7.059541164419277, 7.059541164419271, 65.7444673912555, 62.04418667255898,
      62.044186672559164},
     "oI",
     1.0e-06,
     1.0e-04},
    {"setting_oF_6",
     {53.050687896359044, 24.514586965028098, 83.93112390956136, 83.10432963269457,
      177.0197911240537, 93.91766433784805},
     {6.355303812312413, 6.355303812317033, 6.777513168017734, 110.15453263001262,
      110.15453262989429, 105.3736720335983},
     "oF",
     1.0e-06,
     1.0e-04},
    {"setting_tP_7",
     {31.49721895149505, 123.42867368471272, 56.65720720591454, 3.9059302074912883,
      163.55321886583985, 159.66258175944031},
     {7.415312954864322, 7.415312954864528, 7.569549257561763, 89.99999999998977, 89.99999999999262,
      89.99999999999517},
     "cP",
     1.0e-06,
     1.0e-04},
    {"setting_tI_8",
     {36.875361855988494, 80.41327220808273, 24.461114604493147, 174.28343851448773,
      5.721272438973592, 177.68627996915657},
     {7.352149263517104, 7.352497245550923, 7.414959550134282, 119.72173122908899,
      119.72018314075683, 90.00000000000006},
     "cF",
     1.0e-06,
     1.0e-04},
    {"setting_hP_9",
     {56.32129382289962, 175.33423812427765, 30.180540157715768, 6.134280149852002,
      174.93668351084762, 168.80506632100426},
     {3.3125874006307408, 6.546143062629858, 6.546143062630262, 119.99999999999652,
      89.99999999994567, 89.99999999999108},
     "hP",
     1.0e-06,
     1.0e-04},
    {"setting_hR_10",
     {102.97415157081078, 71.48347559058125, 9.595513358714523, 2.182463470246384,
      2.3922919174717476, 2.6789986524183673},
     {5.0580590054798, 5.058059005479803, 5.058059005479803, 107.42428986146068, 107.42428986146064,
      107.42428986146066},
     "hR",
     1.0e-06,
     1.0e-04},
    {"setting_cP_11",
     {16.576710134710044, 23.444884565591266, 61.58519033960997, 171.82216664580594,
      165.72876612323535, 8.125514269289155},
     {7.401592864354643, 7.408581791897689, 7.414516753015005, 90.0, 90.0, 89.99999999999983},
     "cP",
     1.0e-06,
     1.0e-04},
    {"setting_cI_12",
     {10.73679107822983, 142.733623192514, 245.2428035774328, 179.4532235064131, 10.55935409524104,
      169.97501213792427},
     {5.607106270152856, 5.607106270152501, 5.607106270152474, 109.47122063448383,
      109.4712206344967, 109.47122063448914},
     "cI",
     1.0e-06,
     1.0e-04},
    {"setting_cF_13",
     {61.35647601605362, 111.37648801021189, 204.40420458391242, 6.520422401492011,
      10.20782693577833, 3.688737630602508},
     {7.855891752772956, 7.855891752773062, 7.85589175277272, 59.999999999997705,
      60.000000000001414, 59.99999999999906},
     "cF",
     1.0e-06,
     1.0e-04},
    {"flat_1e-04_2",
     {74.68196061352366, 74.6751253233167, 50.15418212008795, 4.3679713500169175,
      175.62829466722388, 179.9637403294901},
     {0.04775210009558732, 11.433519817312387, 24.654562592493676, 94.70489266908189,
      90.04358900072862, 90.11153498381906},
     "mC",
     1.0e-06,
     1.0e-04},
    {"flat_1e-05_3",
     {7176.615126109561, 2083.32483411762, 6915.431706561479, 175.78375718967663, 2.302176155215657,
      178.08592656046292},
     {66.2099974935811, 89.15933732740015, 94.8991953922232, 104.60561170693042, 93.878398509568,
      110.62522177147049},
     "aP",
     1.0e-06,
     1.0e-04},
    {"flat_1e-06_4",
     {2901.1258750904435, 4604.108359054039, 3351.7510175298835, 172.65321284443414,
      8.43853752422407, 178.9082495550616},
     {22.65331471644425, 34.79980370904544, 58.80755868880066, 106.35038112865888,
      94.41422148077525, 98.28121120770552},
     "aP",
     1.0e-06,
     1.0e-04},
    {"flat_1e-07_5",
     {1018.1607596369028, 1985.525673065832, 1258.344030064456, 3.3064268814172957,
      167.90743939758426, 171.2138662788923},
     {0.8404915887976446, 10.347902930858, 24.543862759313853, 91.13390372472529, 90.44927149601031,
      90.64380784687079},
     "mP",
     1.3e-05,
     7.5e-04},
    {"flat_1e-03_6",
     {34.86803575926427, 56.92609649131594, 63.357610910582935, 158.79811602282797,
      117.79018855228527, 41.008048727673035},
     {0.19516378359627434, 21.597344532993706, 28.365863112929002, 97.47358854901088,
      90.17737979878217, 90.14039011896593},
     "mC",
     1.0e-06,
     1.0e-04},
    {"flat_1e-05_8",
     {180.3919260006821, 1181.238592571544, 468.83826593431155, 16.286930212166023,
      1.2470604500349676, 17.533990010401652},
     {2.8596128590591943, 12.738047920779184, 18.01909568319653, 99.96141156709785,
      91.62991861544039, 90.13057794117344},
     "mP",
     1.0e-06,
     1.0e-04},
    {"flat_1e-06_9",
     {1031.7968949834972, 4510.809823998558, 6463.46741403674, 0.3004042701687894,
      5.018019310724051, 4.717615341926337},
     {26.075286656066343, 27.229185850009234, 29.54637854195737, 115.2864076414398,
      92.04331167788564, 90.52124970933882},
     "mC",
     1.0e-06,
     1.0e-04},
    {"flat_1e-07_10",
     {45797.48132965798, 29675.276255948178, 52789.597412444295, 0.08862279924580924,
      179.91224575599944, 179.99843566474834},
     {71.92851570875466, 165.1823563305005, 212.18702174545848, 92.29176174591619,
      93.30879345757944, 94.25327099378754},
     "aP",
     1.0e-06,
     1.0e-04},
    {"flat_1e-03_11",
     {55.87982378916788, 31.336164734921944, 105.89322902680013, 26.13158289412961,
      12.962305276637315, 13.17040314246886},
     {1.320186908525288, 5.034607849787784, 26.35352675614422, 85.76312895725457, 89.28366994658482,
      86.60407643958247},
     "mC",
     1.0e-06,
     1.0e-04},
    {"flat_1e-04_12",
     {1100.7170432915316, 673.4335291826777, 1337.1253715638431, 176.8224313745756,
      5.840723454477445, 170.9819318690485},
     {23.80667162951756, 59.66008609688831, 60.479742263375655, 101.03502227020552,
      97.92183668002627, 97.54732088290812},
     "mC",
     1.0e-06,
     1.0e-04},
    {"flat_1e-05_13",
     {114.70202848382519, 62.45306807776551, 79.40913478841767, 8.335634043259368,
      179.99641306900025, 171.66534085493225},
     {0.06462891825291991, 8.712759496356545, 8.822993113906787, 89.67344155815483,
      89.88499544621722, 89.85295948965701},
     "mC",
     1.0e-06,
     1.0e-04},
    {"flat_1e-06_14",
     {27555.17694166433, 7096.392558198501, 15094.84705732039, 167.20729912126728,
      177.29752091305897, 10.090221799104453},
     {69.01985092772455, 151.64891991707518, 195.74681392729246, 80.48064404680729,
      86.62079245680995, 88.59364853654996},
     "aP",
     1.0e-06,
     1.0e-04},
    {"apart_1",
     {0.04118244182150209, 1169.159515699937, 1333.553449183561, 20.151607208838072,
      99.64409887926007, 90.50473444462983},
     {0.04118244182150209, 415.3283939971359, 1161.979787931909, 80.70687149142923,
      89.99925213444284, 89.9984191187217},
     "mC",
     1.0e-06,
     1.0e-04},
    {"apart_3",
     {10.626424135001528, 5.31405020822981, 7.179518581943874, 72.15700304243563, 72.15387150478618,
      0.03479676714977},
     {0.006668260894139167, 5.142999987382448, 7.179394719066, 71.44977255473293, 89.98227027890066,
      89.9676746664162},
     "mC",
     1.0e-06,
     1.0e-04},
    {"apart_5",
     {2577.7271841672864, 866.9303601356063, 1117.5179805285106, 76.60638894536075,
      160.90328260710808, 122.49032843159257},
     {0.038896266749433896, 848.36310445778, 996.510657079426, 111.85264474856385,
      90.00065474536682, 90.00032598638701},
     "mC",
     1.0e-06,
     1.0e-04},
    {"apart_10",
     {0.024972023550741802, 103.07979220365756, 109.91218655843876, 84.36430342870338,
      79.9694731992086, 89.30480149406021},
     {0.024972023550741802, 103.07220451684927, 108.23218963839278, 95.60031408015404,
      90.0052001244707, 90.00116017150785},
     "mC",
     1.0e-06,
     1.0e-04},
    {"apart_11",
     {25.50536397595174, 76.41417792205176, 74.24140963443125, 160.58052032339984,
      94.92074290878284, 104.49872277018044},
     {0.03354131664313232, 25.06883014013993, 68.12629426230525, 90.79803737094305,
      90.00883999596046, 90.00656014668093},
     "mC",
     1.0e-06,
     1.0e-04}};

INSTANTIATE_TEST_SUITE_P(Table, HardCells, testing::ValuesIn(kHardCells),
                         [](const testing::TestParamInfo<hard_cell>& tested) {
                           std::string name = tested.param.name;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// Settings with entries up to 50 whose inverses reach 1510: far more steps than gemmi's ±1
// steps can take, so these go the precise way. The cell of such a setting, in doubles, holds
// its lattice to about 1e-16 of its edges; the reduction magnifies that by up to 1510² times
// the ratio of the given to the reduced squared edges, to about 1e-6 of the reduced cell.
const imat3 kSkewedSettings[] = {
    {1, 4, 10, 5, -22, -9, 9, -43, -21},
    {19, -4, -11, -5, -16, 32, -17, 7, 4},
    {24, 7, -29, -41, -10, 18, 19, 3, 18},
    {40, 18, -9, 13, -28, -37, 50, -15, -49},
};

class SkewedSettings : public testing::TestWithParam<lattice_test::bravais_example> {};

TEST_P(SkewedSettings, GiveTheReducedCellAndTheSubgroupsOfTheStandardOne) {
  const lattice_test::bravais_example& example = GetParam();
  const analysis standard = analyse(example.conventional, {example.centring_type, 3, 1});
  for (const imat3& setting : kSkewedSettings) {
    ASSERT_EQ(determinant(setting), 1);
    const cell input =
        lattice_test::primitive_setting(example.conventional, example.centring_type, setting);
    SCOPED_TRACE(lattice_test::describe(input));
    const analysis skewed = analyse(input, {});
    const auto x = skewed.reduced.parameters(), y = standard.reduced.parameters();
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(x[i], y[i], 1e-5 * y[i]) << "edge " << i;
    for (int i = 3; i < 6; ++i) EXPECT_NEAR(x[i], y[i], 1e-3) << "angle " << i;
    ASSERT_EQ(skewed.lattices.size(), standard.lattices.size());
    for (std::size_t k = 0; k < skewed.lattices.size(); ++k) {
      EXPECT_EQ(skewed.lattices[k].bravais, standard.lattices[k].bravais);
      EXPECT_LT(skewed.lattices[k].delta, 1e-3);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllFourteen, SkewedSettings,
                         testing::ValuesIn(lattice_test::bravais_examples()),
                         [](const testing::TestParamInfo<lattice_test::bravais_example>& tested) {
                           return std::string(bravais_name(tested.param.type));
                         });

// Exact volumes from 60-digit arithmetic (mpmath) on the cells' doubles.
TEST(HardCellVolume, OfANearlyFlatCellComesFromItsAngles) {
  const struct {
    cell input;
    double volume;
  } flat[] = {
      {{45797.48132965798, 29675.276255948178, 52789.597412444295, 0.08862279924580924,
        179.91224575599944, 179.99843566474834},
       2507445.5555338674},
      {{1018.1607596369028, 1985.525673065832, 1258.344030064456, 3.3064268814172957,
        167.90743939758426, 171.2138662788923},
       213.40374377111611},
  };
  for (const auto& f : flat) EXPECT_NEAR(cell_volume(f.input), f.volume, 1e-6 * f.volume);
  const cell ordinary{5.1, 6.3, 7.2, 81.3, 95.7, 102.4};
  EXPECT_NEAR(cell_volume(ordinary), volume_of(metric_of(ordinary)), 1e-13 * cell_volume(ordinary));
}

struct refusal {
  const char* name;
  cell input;
  const char* message;
};

const char* const kTooLarge =
    "the cell's change of basis to its reduced cell has entries beyond 1000000, too large to carry "
    "exactly";

// A cell is refused when it has no volume within the precision of its numbers, when its
// reduction would take a change of basis beyond what the analysis carries exactly, or when its
// lattice has a vector shorter than any edge the analysis takes.
// The published cell rounded to its printed digits: V/abc = 1.0e-8, and its reduced cell lies
// behind a change of basis with entries up to 375232. The reference is a 60-digit greedy
// reduction of the same doubles (tools/lattice-hard-cells), its angles made all obtuse as the
// Niggli cell's are. So flat a cell amplifies the rounding of its own metric about 1e14 times:
// the edges agree to 1e-4, the angles to 0.01 degrees.
TEST(HardCells, ThePublishedCellAtItsPrintedDigitsIsAnalysed) {
  const analysis a = analyse({80.816, 81.021, 140.678, 29.933, 89.920, 119.853}, {});
  const cell expected{0.14396237065904907, 0.17270596244996922,     0.40339990061429865,
                      101.39601831579536,  180 - 86.80032623707925, 180 - 77.38781624470624};
  const auto found = a.reduced.parameters(), want = expected.parameters();
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(found[i], want[i], 1e-4 * want[i]) << "edge " << i;
  for (int i = 3; i < 6; ++i) EXPECT_NEAR(found[i], want[i], 0.01) << "angle " << i;
  EXPECT_EQ(a.lattices.front().bravais, bravais_type::aP);
}

TEST(HardCellRefusals, SayWhyTheCellIsRefused) {
  const refusal refusals[] = {
      {"120 degrees thrice: flat", {10, 10, 10, 120, 120, 120}, kNoVolume},
      {"just beyond 120 degrees: no closure",
       {10, 10, 10, 120, 120, std::nextafter(120.0, 180.0)},
       kNoVolume},
      {"just below 180 degrees: flat in double",
       {10, 10, 10, 90, 90, std::nextafter(180.0, 0.0)},
       kNoVolume},
      // V/abc = 2e-11: the reduced cell lies behind entries beyond a million.
      {"edges a million long, 1e-5 degrees from flat",
       {1000000, 1000000, 0.001, 60, 60, 119.99999},
       kTooLarge},
      {"a and b 1e-7 rad from antiparallel",
       {10, 10, 10, 90, 90, 179.99999},
       "the cell's lattice has a vector shorter than 0.001 angstroms"},
  };
  for (const refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    try {
      analyse(r.input, {});
      ADD_FAILURE() << "analysed";
    } catch (const lattice_error& e) {
      EXPECT_EQ(std::string(e.what()), r.message);
    }
  }
}

}  // namespace
