[playlist]
File1=http://cafe.example/
Title1=Café
