// PLACEHOLDER: start-up lands with the platform layer.
int main() { return 0; }
