// The yardstick of the question programs: a bare C++ program writing a 200-byte question.tpq.
#include <fstream>
#include <string>

int main()
{
    const std::string question =
        "\"Quelle est cette note ?\",\"sol\",\"fa\",\"si\",\"do\",1,\"SOL4\",\"\",\"aigu.rcc\"";
    std::ofstream("question.tpq", std::ios::binary)
        << question << std::string(198 - question.size(), ' ') << "\r\n";
}
