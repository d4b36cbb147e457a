// Writes a vertex-heavy ASCII model set for the end-to-end benchmark: about half of all lines are vertex
// and texture-vertex rows with 6 to 8 significant digits, the rest node structure and face rows.
// Usage: tarvolin_generate_models FOLDER TOTAL_MB FILES
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int kVertsPerNode = 400;

class CModelWriter {
public:
    explicit CModelWriter(unsigned seed) : m_random(seed) {}

    // A number with 6 to 8 significant digits, as modelling tools write them.
    void Number(std::string& out, double low, double high) {
        const double value = std::uniform_real_distribution<double>(low, high)(m_random);
        const int significant = 6 + static_cast<int>(m_random() % 3);
        const double magnitude = value < 0 ? -value : value;
        const int integerDigits = magnitude >= 100 ? 3 : magnitude >= 10 ? 2 : 1;
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", significant - integerDigits, value);
        out += text;
    }

    void Node(std::string& out, const std::string& model, int index) {
        const std::string mesh = model + "_mesh" + std::to_string(index);
        out += "node trimesh " + mesh + "\n  parent " + model + "\n  position ";
        Triple(out, -10.0, 10.0);
        out += "\n  orientation 0 0 0 0\n  bitmap " + model + "_tex\n";
        out += "  verts " + std::to_string(kVertsPerNode) + "\n";
        for (int i = 0; i < kVertsPerNode; ++i) {
            out += "    ";
            Triple(out, -99.0, 99.0);
            out += '\n';
        }
        out += "  tverts " + std::to_string(kVertsPerNode) + "\n";
        for (int i = 0; i < kVertsPerNode; ++i) {
            out += "    ";
            Number(out, 0.0, 1.0);
            out += ' ';
            Number(out, 0.0, 1.0);
            out += " 0\n";
        }
        out += "  faces " + std::to_string(2 * kVertsPerNode - 2) + "\n";
        for (int i = 0; i < 2 * kVertsPerNode - 2; ++i) {
            const int a = i / 2;
            out += "    " + std::to_string(a) + " " + std::to_string(a + 1) + " " + std::to_string(a + 2) +
                   "  1  " + std::to_string(a) + " " + std::to_string(a + 1) + " " + std::to_string(a + 2) +
                   "  0\n";
        }
        out += "endnode\n";
    }

private:
    void Triple(std::string& out, double low, double high) {
        Number(out, low, high);
        out += ' ';
        Number(out, low, high);
        out += ' ';
        Number(out, low, high);
    }

    std::mt19937_64 m_random;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FOLDER TOTAL_MB FILES\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const double totalBytes = std::atof(argv[2]) * 1024 * 1024;
    const int files = std::atoi(argv[3]);
    std::filesystem::create_directories(folder);
    CModelWriter writer(12345);
    for (int f = 0; f < files; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "model%04d", f);
        const std::string model = name;
        std::FILE* out = std::fopen((folder / (model + ".mdl")).c_str(), "wb");
        if (out == nullptr) {
            std::perror("fopen");
            return 1;
        }
        std::string text = "# generated\nnewmodel " + model + "\nbeginmodelgeom " + model + "\n";
        double written = 0;
        for (int node = 0; written < totalBytes / files; ++node) {
            writer.Node(text, model, node);
            std::fwrite(text.data(), 1, text.size(), out);
            written += static_cast<double>(text.size());
            text.clear();
        }
        text = "endmodelgeom " + model + "\ndonemodel " + model + "\n";
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
    }
    return 0;
}
