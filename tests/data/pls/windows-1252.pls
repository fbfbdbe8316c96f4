[playlist]
File1=http://w.example/
Title1=“Café” – 5 € …
